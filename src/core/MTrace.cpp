#include "core/MTrace.h"

#include <iostream>

namespace {
int traceLevel = 0;
int traceMask = 0;
constexpr int kCategoryMasks[9] = {0x7, 0x18, 0x60, 0x180, 0x600, 0x1800, 0x6000, 0x8000, 0x30000};
}  // namespace

int GetTraceLevel() { return traceLevel; }
int GetTraceMask() { return traceMask; }
void SetTraceLevel(int level) { traceLevel = level; }
void SetTraceMask(int mask) { traceMask = mask; }

bool IsTraceEnabled(int category, int threshold) {
    if (traceLevel <= 0 || category < 0 || category > 8) return false;
    return (kCategoryMasks[category] & traceMask) >= threshold;
}

std::ostream& GetTraceStream() { return std::cout; }
