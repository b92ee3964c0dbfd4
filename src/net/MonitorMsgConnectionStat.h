#pragma once
// The statistics record ('U'): the header, then the statistics part, written one after the other.
#include "fields/MMsgWriter.h"
#include "net/ConnectionStatMsgPart.h"
#include "net/MonitorMsgHeader.h"

struct MonitorMsgConnectionStat : MonitorMsgHeader, ConnectionStatMsgPart {
    MonitorMsgConnectionStat() : MonitorMsgHeader(EnumMonitorType::ConnectionStat) {}

    void Describe(MMsgWriter& writer) {
        DescribeFields(static_cast<MonitorMsgHeader&>(*this), writer);
        DescribeFields(static_cast<ConnectionStatMsgPart&>(*this), writer);
    }
};
