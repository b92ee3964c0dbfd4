#pragma once
// Whatever knows the number of the last message that a gateway processed.
#include <cstdint>

class MLastMessageSource {
public:
    virtual ~MLastMessageSource() = default;
    virtual int32_t GetLastProcessedNumber() const = 0;
};
