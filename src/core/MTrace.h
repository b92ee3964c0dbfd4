#pragma once
// Developer trace settings: a process-wide trace level and mask (both 0, trace off, in this
// program) and the trace stream, standard output at start-up.
#include <iosfwd>

int GetTraceLevel();
int GetTraceMask();
// Test hooks: nothing in the program changes the trace settings.
void SetTraceLevel(int level);
void SetTraceMask(int mask);

// True when the trace is on and the category's bits of the mask reach the threshold.
bool IsTraceEnabled(int category, int threshold);

std::ostream& GetTraceStream();
