#pragma once
// The owner of every window: creates them once, in the start-up order, fills
// tavrio::windows() and wires the ways between them. Windows that other
// code builds are added here as they arrive (null until then).
namespace tavrio {

void createWindows();
// Deletes the windows at the program's end, last created first.
void destroyWindows();
// The whole start-up: random seed, application title, working directory,
// seams, windows, the entrance screen, the message loop.
int run(int argc, char** argv);

} // namespace tavrio
