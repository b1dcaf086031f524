#pragma once
// Registers the screens of every module built into the program.
void RegisterAllScreens();
// Creates, hidden, the windows the program keeps one instance of from start-up (the sales report
// windows); every other screen is created when it is opened.
void CreateStartupWindows();
