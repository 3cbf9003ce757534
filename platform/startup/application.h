// Services of the running program: its names, the time of day and ending
// the run.
#pragma once

namespace platform {

// Names the program to Qt and the desktop, before anything else starts: its
// name, which also names the player's data folder; its version; and the
// desktop entry its windows belong to, whose name and icon the desktop then
// shows for them.
void nameApplication();

// Seconds since local midnight, with a fraction finer than a millisecond.
double secondsSinceMidnight();

// Ends the program with the given status once the current event is handled.
void endProgram(int status);

}  // namespace platform
