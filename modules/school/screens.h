#pragma once
// Adds the screens of the ski school to the screen registry.
void RegisterSchoolScreens();
