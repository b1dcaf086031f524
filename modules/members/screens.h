#pragma once
// Adds the member register to the screen registry.
void RegisterMembersScreens();
