#pragma once
void RegisterSalesScreens();
// The three report windows, created hidden once (at start-up) and shown through that one instance.
void CreateSalesViewerWindows();
