#include "net/MComVectorMessageBase.h"

#include <cstdio>

#include "core/MTrace.h"
#include "core/MTraceMsg.h"
#include "fields/MDescFormat.h"

MComVectorMessageBase::MComVectorMessageBase(uint32_t id)
    : id_(id), traced_(IsTraceLevelAtLeast(1) && IsTraceEnabled(3, 128)) {}

std::string MComVectorMessageBase::GetDescription() const {
    char text[64];
    std::snprintf(text, sizeof text, "Base ID[%2lX] Connect [%c]", static_cast<unsigned long>(id_),
                  connected_ ? 'Y' : 'N');
    return text;
}

void MComVectorMessageBase::Describe(MDescFormat& describer, const std::string& prefix) {
    describer.WriteText(prefix + ".MComVector", GetDescription());
}

void MComVectorMessageBase::TraceMessage(const char* data, int length) const {
    TraceMessageParts(data, length, nullptr, 0);
}

void MComVectorMessageBase::TraceMessageParts(const char* first, int firstLength, const char* second,
                                              int secondLength) const {
    const uint32_t name = traceId_ != 0 ? static_cast<uint32_t>(traceId_) : id_;
    GetTraceMsg().TraceText(GetHexText(name), first, firstLength, second, secondLength);
}
