#include "core/MTraceMsg.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ostream>

#include "core/MTrace.h"

MTraceMsg::~MTraceMsg() {
    Flush();
}

void MTraceMsg::TraceText(const std::string& name, const char* data, int32_t dataLength, const char* extra,
                          int32_t extraLength) {
    int32_t nameLength = 0;
    const char* converted = nameConverter_.Convert(
        name.data(), static_cast<int32_t>(std::min<std::size_t>(name.size(), INT32_MAX)), &nameLength);
    TraceMessage(0, converted, nameLength, data, dataLength, extra, extraLength);
}

void MTraceMsg::TraceMessage(char direction, const char* name, int32_t nameLength, const char* data,
                             int32_t dataLength, const char* extra, int32_t extraLength) {
    if (!name || nameLength < 0) nameLength = 0;
    int32_t convertedDataLength = 0;
    const char* convertedData = nullptr;
    if (data && dataLength > 0)
        convertedData = dataConverter_.Convert(data, dataLength, &convertedDataLength);
    int32_t convertedExtraLength = 0;
    const char* convertedExtra = nullptr;
    if (extra && extraLength > 0)
        convertedExtra = extraConverter_.Convert(extra, extraLength, &convertedExtraLength);

    const int64_t lineLength =
        static_cast<int64_t>(nameLength) + convertedDataLength + convertedExtraLength + 5;
    if (lineLength > kBufferSize) {
        GetTraceStream() << "TraceMsg-Buffer overflow\n";
        return;
    }
    if (!buffer_) buffer_ = std::make_unique<char[]>(kBufferSize);
    if (used_ + lineLength > kBufferSize) Flush();

    char* out = buffer_.get() + used_;
    std::memcpy(out, direction == 0 ? "<M[" : ">M[", 3);
    out += 3;
    if (nameLength > 0) std::memcpy(out, name, static_cast<std::size_t>(nameLength));
    out += nameLength;
    *out++ = ']';
    if (convertedDataLength > 0)
        std::memcpy(out, convertedData, static_cast<std::size_t>(convertedDataLength));
    out += convertedDataLength;
    if (convertedExtraLength > 0)
        std::memcpy(out, convertedExtra, static_cast<std::size_t>(convertedExtraLength));
    out += convertedExtraLength;
    *out = '\n';
    used_ += static_cast<int32_t>(lineLength);
    if (flushEachLine_) Flush();
}

void MTraceMsg::Flush() {
    if (used_ == 0 || !buffer_) return;
    GetTraceStream().write(buffer_.get(), used_);
    used_ = 0;
}

MTraceMsg& GetTraceMsg() {
    static MTraceMsg traceMsg;
    return traceMsg;
}
