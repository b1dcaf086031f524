#pragma once
// Adds the weather screens (EAS010, EAS020, EAS030) to the screen registry.
void RegisterWeatherScreens();
