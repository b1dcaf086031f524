#pragma once
// Adds the screens of the rental shop to the screen registry.
void RegisterEquipmentScreens();
