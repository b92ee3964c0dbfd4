#include "core/MGlobalTime.h"

void UpdateProcessClock(int64_t& reading) { (void)reading; }
