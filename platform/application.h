// Services of the running program: the time of day and ending the run.
#pragma once

namespace platform {

// Seconds since local midnight, with a fraction finer than a millisecond.
double secondsSinceMidnight();

// Ends the program with the given status once the current event is handled.
void endProgram(int status);

}  // namespace platform
