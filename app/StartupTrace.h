#pragma once
// CPU time spent while starting, for bench/startup/cpu.sh: with the
// environment variable TAVRIO_STARTUP_CPU set, the program prints the
// process CPU time of each start-up step to stderr and quits once the
// entrance window has been painted for the first time. Without it every
// call does nothing.
class QWidget;

namespace tavrio::startup {

// Records the CPU time used since the previous step under `step`.
void mark(const char* step);
// Prints the steps and quits after `entrance`'s first paint.
void quitAfterFirstPaint(QWidget* entrance);

} // namespace tavrio::startup
