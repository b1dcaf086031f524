#pragma once
// Adds the screens of the competitions and badge tests to the screen registry.
void RegisterContestScreens();
