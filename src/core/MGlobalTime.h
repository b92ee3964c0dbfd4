#pragma once
// The test clock's entry point: every reading of the system clock (the process clock and the
// event clock) passes through UpdateProcessClock before it is used. No test-clock settings are
// applied yet: readings pass unchanged.
#include <cstdint>

// Takes a fresh reading of the system clock and shifts it in place as the test clock says.
void UpdateProcessClock(int64_t& reading);
