#pragma once
// Where the time of a start-up goes, for the start-up benchmark's trace: each program marks
// the steps it has finished. Off unless the environment names a trace file in
// WAVORIN_STARTUP_TRACE; the host passes its environment on to the renderer, so one run of
// both lands in one file. A normal run only looks the variable up, once.

namespace wavorin::trace {

// Appends "<microseconds> <program> <step>" to the trace file, the time from a clock every
// process on the machine shares.
void MarkStartupStep(const char* program, const char* step);

}  // namespace wavorin::trace
