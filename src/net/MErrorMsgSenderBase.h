#pragma once
// An error sender: turns one logged error into a message of its own. The log facility keeps one
// in its error-sender slot (SetErrorSender), which nothing in this program reads.
class MErrorMsgSenderBase {
public:
    virtual ~MErrorMsgSenderBase() = default;
    // Any text may be null; level is a log level (0 to 7).
    virtual void SendError(const char* sourceFile, int sourceLine, const char* group, const char* sysLogName,
                           const char* tag1, const char* information1, const char* tag2,
                           const char* information2, int level, const char* message) = 0;
};

// The error-sender slot: none at first; storing does not clear or free the previous sender.
void SetErrorSender(MErrorMsgSenderBase* sender);
MErrorMsgSenderBase* GetErrorSender();
