#pragma once
// The action behind a control (a socket event's "Disconnect" control fires one). Execute performs
// it and answers with a result text. Not owned by the controls that point to it.
#include <string>

class MControlTrigger {
public:
    virtual ~MControlTrigger() = default;
    virtual std::string Execute() = 0;
};
