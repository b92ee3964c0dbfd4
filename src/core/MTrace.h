#pragma once
// Developer trace: a process-wide trace level and mask (both 0, trace off, in this program), the
// trace stream (standard output at start-up) with the names of its current and previous
// destination, the TestNoRegression flag, the table of three-digit hexadecimal texts and the
// global trace file. All of it is built before main, used on the GUI thread only, unguarded.
#include <iosfwd>
#include <string>

class MFileBaseText;

int GetTraceLevel();
int GetTraceMask();
// Test hooks: nothing in the program changes the trace settings.
void SetTraceLevel(int level);
void SetTraceMask(int mask);

// True when the trace level is at least level.
bool IsTraceLevelAtLeast(int level);
// True when the trace is on and the category's bits of the mask reach the threshold.
bool IsTraceEnabled(int category, int threshold);

std::ostream& GetTraceStream();
// Test hook: points the trace stream at another stream (null restores standard output). Nothing
// in the program redirects the trace.
void SetTraceStream(std::ostream* stream);
// When the trace stream is set to something other than standard output, points it back to
// standard output and names both destinations "stdout".
void RestoreTraceToStdout();
const std::string& GetTraceDestination();
const std::string& GetPreviousTraceDestination();

// True when the environment variable TestNoRegression was exactly "Yes" at start-up.
bool IsTestNoRegression();
// Reads the variable as start-up does (exposed for tests).
bool ReadTestNoRegressionFlag();

// The text "%03X" of index (0 to 4095; higher bits are ignored), from a table built at start-up.
const char* GetHexText(unsigned index);

// The trace file (a 262,144-byte buffered text file, never opened by this program) and the output
// stream that writes into it.
MFileBaseText& GetTraceFile();
std::ostream& GetTraceFileStream();

// Marks the life of the trace: its one global instance calls the end-of-trace hook at exit when
// the trace is on.
class MTrace {
public:
    MTrace() = default;
    ~MTrace();
    MTrace(const MTrace&) = delete;
    MTrace& operator=(const MTrace&) = delete;
};
