#pragma once
// The monitor notice record (type 'A'): the application's identity, the time of day, and the
// texts of one error with its source position and severity. Written through the monitor writer:
// fixed texts at their width, integers, times and variable texts each followed by the delimiter.
#include "fields/DescribeFields.h"
#include "fields/MIntX.h"
#include "fields/MMsgWriter.h"
#include "fields/MRPString.h"
#include "fields/MTTimePoint.h"
#include "fields/MZString.h"
#include "net/MessagingLetterEnumerations.h"

struct MonitorMsgNoticeNew {
    MonitorType Type{EnumMonitorType::NoticeNew};
    MRPString<40, 32, MValAccept> Application;
    MRPString<10, 32, MValAccept> ApplicationVersion;
    MRPString<50, 32, MValAccept> ApplicationHost;
    MRPString<40, 32, MValAccept> GatewayId;
    MLong ApplicationId;
    MTimeTimePoint Time;
    MZString<64, MValAccept> Group;
    MZString<64, MValAccept> SysLogName;
    MZString<256, MValAccept> SourceFile;
    MLong SourceLineNumber;
    MonitorSeverity Severity;
    MZString<256, MValAccept> Message;
    MZString<64, MValAccept> Tag1;
    MZString<256, MValAccept> Information1;
    MZString<64, MValAccept> Tag2;
    MZString<256, MValAccept> Information2;

    static constexpr auto Fields() {
        using S = MonitorMsgNoticeNew;
        return MFields(MField("Type", &S::Type, "35"), MField("Application", &S::Application, "6300"),
                       MField("ApplicationVersion", &S::ApplicationVersion, "6301"),
                       MField("ApplicationHost", &S::ApplicationHost, "6302"),
                       MField("GatewayId", &S::GatewayId, "6303"),
                       MField("ApplicationId", &S::ApplicationId, "6304"), MField("Time", &S::Time, "60"),
                       MField("Group", &S::Group, "6331"), MField("SysLogName", &S::SysLogName, "6332"),
                       MField("SourceFile", &S::SourceFile, "6333"),
                       MField("SourceLineNumber", &S::SourceLineNumber, "6334"),
                       MField("Severity", &S::Severity, "6330"), MField("Message", &S::Message, "6335"),
                       MField("Tag1", &S::Tag1, "6336"), MField("Information1", &S::Information1, "6337"),
                       MField("Tag2", &S::Tag2, "6338"), MField("Information2", &S::Information2, "6339"));
    }
    void Describe(MMsgWriter& writer) { DescribeFields(*this, writer); }
};
