#pragma once
// Where a window's answer to an automation request goes. While the automation channel delivers a
// request, the connection that asked is the installed sink; a request delivered inside the process
// with no sink installed gets no answer. Tests install a recording sink. Plain C++; GUI thread only.
#include <string_view>

class ReplySink {
public:
    virtual ~ReplySink() = default;

    // Sends the answer text (Windows-1252) to whoever asked.
    virtual void SendText(std::string_view text) = 0;

    // The installed sink, null when none is.
    static ReplySink* Current();
    // Installs sink (null for none) and returns the one installed before, to be put back.
    static ReplySink* Install(ReplySink* sink);
};
