#pragma once
// Adds the rental and storage report screens to the screen registry.
void RegisterEquipmentReportScreens();
