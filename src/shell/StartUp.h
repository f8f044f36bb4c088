#pragma once

// Start-up and the run of the program: the arithmetic mode, the setup window (the
// main window) and the hidden trial window, then the event loop until the setup
// window is closed.

int RunProgram(int argc, char** argv);
