#pragma once
// The trace's describer: a description format whose entries go straight to the trace stream, one
// per line, as the name padded to 50 characters and, when there is a value, "[value]". Status
// dumps write through the one global instance (GetTraceDescFormat). GUI thread only.
#include <string>

#include "fields/MDescFormat.h"

class MTraceDescFormat : public MDescFormat {
public:
    static constexpr int kNameWidth = 50;

    MTraceDescFormat();

    // An empty name and value end the line (and flush the stream); otherwise writes the name
    // left-aligned to the name width (a longer name whole), "[", the value and "]" when the value
    // is not empty, then a line feed. The stream's format flags are kept.
    void WriteText(const std::string& name, const std::string& value) override;
};

MTraceDescFormat& GetTraceDescFormat();
