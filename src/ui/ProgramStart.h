#pragma once

namespace suoshui::ui {

// Gives the program its name and version, as the terminal and the platform show them.
void nameProgram();

// Ties the windows to the installed desktop entry and its icon. Needs the window application.
void markProgramWindows();

// Answers "--help" and "--version" on the terminal and ends the program there, before any
// window or screen is needed. Returns when the program is to start its windows.
void answerCommandLine(int& argc, char** argv);

}  // namespace suoshui::ui
