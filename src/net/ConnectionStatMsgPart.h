#pragma once
// The traffic statistics of one connection as the monitor receives them: when they were taken,
// the last received message id (blank here) and eight counters.
#include "fields/DescribeFields.h"
#include "fields/MIntX.h"
#include "fields/MRPString.h"
#include "fields/MTTimePoint.h"

struct ConnectionStatMsgPart {
    MDateTimeTimePoint TimeStamp;
    MRPString<24, 32, MValAccept> LastReceivedMessageId;
    MULong NbRespTimeMsg;
    MULong MinRespTime;
    MULong MaxRespTime;
    MULong AvgRespTime;
    MULong NbSentMsg;
    MULong NbSentMegaByte;
    MULong NbReceivedMsg;
    MULong NbReceivedMegaByte;

    static constexpr auto Fields() {
        using S = ConnectionStatMsgPart;
        return MFields(
            MField("TimeStamp", &S::TimeStamp, "60"),
            MField("LastReceivedMessageId", &S::LastReceivedMessageId, "6322"),
            MField("NbRespTimeMsg", &S::NbRespTimeMsg, "9119"),
            MField("MinRespTime", &S::MinRespTime, "9117"), MField("MaxRespTime", &S::MaxRespTime, "9116"),
            MField("AvgRespTime", &S::AvgRespTime, "9126"), MField("NbSentMsg", &S::NbSentMsg, "6319"),
            MField("NbSentMegaByte", &S::NbSentMegaByte, "6317"),
            MField("NbReceivedMsg", &S::NbReceivedMsg, "6320"),
            MField("NbReceivedMegaByte", &S::NbReceivedMegaByte, "6318"));
    }

    // The time stamp, the message id and the eight counters are equal.
    bool IsSameAs(const ConnectionStatMsgPart& other) const {
        return TimeStamp == other.TimeStamp && LastReceivedMessageId == other.LastReceivedMessageId &&
               NbRespTimeMsg == other.NbRespTimeMsg && MinRespTime == other.MinRespTime &&
               MaxRespTime == other.MaxRespTime && AvgRespTime == other.AvgRespTime &&
               NbSentMsg == other.NbSentMsg && NbSentMegaByte == other.NbSentMegaByte &&
               NbReceivedMsg == other.NbReceivedMsg && NbReceivedMegaByte == other.NbReceivedMegaByte;
    }
};
