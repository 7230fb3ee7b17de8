// The program block: the class lists and the two stored sections first (a section's
// constructor reads both lists), then the application, the main window and the About box;
// the message loop runs until the main window is closed. The forms go first, then the
// module objects.
#pragma once

#include <functional>

class TAboutBox;

// Runs the program: the window, with the section file named on the command line opened once
// the About box is closed; or, with --pdf, the calculation sheets of the files named, written
// without a window (see --help). BeforeLoop, when given, sees the About box just before the message
// loop starts (the start-up benchmark ends the run once the box has been painted).
int RunKordal(int &Argc, char **Argv, const std::function<void(TAboutBox &)> &BeforeLoop = {});
