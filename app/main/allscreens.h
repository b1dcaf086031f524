#pragma once
// Registers the screens of every module built into the program.
void RegisterAllScreens();
