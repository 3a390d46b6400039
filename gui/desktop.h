// Starts the windowed program.
#pragma once

class QApplication;

namespace vellamor {

// The windowed program: refuses to run twice, runs the update reminder, then
// shows the entry window until the user ends the program. A chart file named
// on the command line (the first argument that is not one of Qt's own
// options) is opened at once, as "&Open Previously Saved Reading" would.
int RunDesktop(int argc, char** argv);

// The program's look: its fonts and window icon.
void ApplyDesktopLook(QApplication& app);

// Closes every window and ends the program (closing either working window
// or choosing "&Exit" comes here).
void ExitApplication();

}  // namespace vellamor
