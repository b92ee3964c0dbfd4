#include "net/MonitorFunnel.h"

#include "core/MError.h"
#include "net/MonitorChannel.h"
#include "net/MonitorMsgNoticeNew.h"

namespace {
EnumMonitorSeverity SeverityOfLevel(int level) {
    switch (level) {
        case LOG_CRITICAL:
            return EnumMonitorSeverity::Critical;
        case LOG_ERROR:
            return EnumMonitorSeverity::Error;
        case LOG_WARNING:
            return EnumMonitorSeverity::Warning;
        case LOG_INFO:
            return EnumMonitorSeverity::Information;
        default:
            return EnumMonitorSeverity::Undefined;
    }
}
}  // namespace

MonitorFunnel::MonitorFunnel() {
    SetErrorSender(this);
}

MMsgWriter& MonitorFunnel::GetWriter() {
    static MMsgWriter writer;
    return writer;
}

void MonitorFunnel::SendError(const char* sourceFile, int sourceLine, const char* group,
                              const char* sysLogName, const char* tag1, const char* information1,
                              const char* tag2, const char* information2, int level, const char* message) {
    if (!GetCurrentMonitorSender()) return;
    MonitorMsgNoticeNew notice;
    notice.Application.SetText(GetApplicationName());
    notice.ApplicationVersion.SetText(GetApplicationVersion());
    notice.ApplicationHost.SetText(GetHostName());
    notice.Group.SetText(group);
    notice.SysLogName.SetText(sysLogName);
    notice.SourceFile.SetText(sourceFile);
    notice.SourceLineNumber.SetValue(sourceLine);
    notice.Severity.Set(SeverityOfLevel(level));
    notice.Message.SetText(message);
    notice.Tag1.SetText(tag1);
    notice.Information1.SetText(information1);
    notice.Tag2.SetText(tag2);
    notice.Information2.SetText(information2);
    MMsgWriter& writer = GetWriter();
    writer.Rewind();
    notice.Describe(writer);
    SendToMonitor(writer.GetData(), writer.GetOffset());
}
