#pragma once
// The owner of every window: creates them once, in the start-up order, fills
// tavrio::windows() and wires the ways between them. Windows that other
// code builds are added here as they arrive (null until then).
class QApplication;

namespace tavrio {

void createWindows();
// Deletes the windows at the program's end, last created first.
void destroyWindows();
// What every run of the windows shares, the program and the screenshot walk
// alike: font substitutions, the keyboard look, the application's names.
void setUpApplication(QApplication& app);
// The whole start-up: random seed, application title, working directory,
// seams, windows, the entrance screen, the message loop.
int run(int argc, char** argv);

} // namespace tavrio
