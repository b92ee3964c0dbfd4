#pragma once
// For one test: the trace stream goes to a string, the trace level and mask start at 0, and
// everything is put back afterwards.
#include <sstream>
#include <string>
#include <vector>

#include "core/MTrace.h"

class TraceCapture {
public:
    TraceCapture() {
        SetTraceStream(&stream_);
        SetTraceLevel(0);
        SetTraceMask(0);
    }
    ~TraceCapture() {
        SetTraceStream(nullptr);
        SetTraceLevel(0);
        SetTraceMask(0);
    }
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;

    std::string Text() const { return stream_.str(); }
    void Clear() { stream_.str(std::string()); }

private:
    std::ostringstream stream_;
};
