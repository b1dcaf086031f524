#pragma once
// Adds the patrol accident screens to the screen registry.
void RegisterPatrolScreens();
