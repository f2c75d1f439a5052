#pragma once

class TApplication;

// Runs the program: the single-instance guard, the main window and the event loop.
// Returns the exit code.
int RunProgram(TApplication& application);
