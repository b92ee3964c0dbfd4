#include "core/MTrace.h"

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "core/MFileBaseOStream.h"
#include "core/MFileBaseText.h"

namespace {
std::atomic<int> traceLevel{0};  // read by the log call on any thread
int traceMask = 0;
constexpr int kCategoryMasks[9] = {0x7, 0x18, 0x60, 0x180, 0x600, 0x1800, 0x6000, 0x8000, 0x30000};

std::ostream* traceStream = &std::cout;
std::string traceDestination = "stdout";
std::string previousTraceDestination = "stdout";

const bool testNoRegression = [] {
    const bool on = ReadTestNoRegressionFlag();
    if (on) std::printf("TestNoRegression is active \n");
    return on;
}();

using HexTable = std::array<std::array<char, 4>, 4096>;
const HexTable hexTexts = [] {
    HexTable table{};
    for (unsigned i = 0; i < table.size(); ++i) std::snprintf(table[i].data(), table[i].size(), "%03X", i);
    return table;
}();

void EndOfTrace() {}

// The global trace file: points the trace back to standard output before it closes.
struct TraceFile {
    MFileBaseText file{262144};
    MFileBaseOStream stream{file};
    ~TraceFile() { RestoreTraceToStdout(); }
};
TraceFile traceFile;

MTrace theTrace;
}  // namespace

int GetTraceLevel() {
    return traceLevel.load(std::memory_order_relaxed);
}
int GetTraceMask() {
    return traceMask;
}
void SetTraceLevel(int level) {
    traceLevel = level;
}
void SetTraceMask(int mask) {
    traceMask = mask;
}

bool IsTraceLevelAtLeast(int level) {
    return traceLevel >= level;
}

bool IsTraceEnabled(int category, int threshold) {
    if (GetTraceLevel() <= 0 || category < 0 || category > 8) return false;
    return (kCategoryMasks[category] & traceMask) >= threshold;
}

std::ostream& GetTraceStream() {
    return *traceStream;
}

void SetTraceStream(std::ostream* stream) {
    traceStream = stream ? stream : &std::cout;
}

void RestoreTraceToStdout() {
    if (traceStream && traceStream != &std::cout) {
        traceDestination = "stdout";
        previousTraceDestination = "stdout";
        traceStream = &std::cout;
    }
}

const std::string& GetTraceDestination() {
    return traceDestination;
}
const std::string& GetPreviousTraceDestination() {
    return previousTraceDestination;
}

bool IsTestNoRegression() {
    return testNoRegression;
}

bool ReadTestNoRegressionFlag() {
    const char* value = std::getenv("TestNoRegression");
    return value && std::strcmp(value, "Yes") == 0;
}

const char* GetHexText(unsigned index) {
    return hexTexts[index & 0xFFF].data();
}

MFileBaseText& GetTraceFile() {
    return traceFile.file;
}
std::ostream& GetTraceFileStream() {
    return traceFile.stream;
}

MTrace::~MTrace() {
    if (traceLevel > 0) EndOfTrace();
}
