#pragma once
// The framework's log call. Every part of the system reports through LogMessage (or the MLOG
// macro, which supplies the source file and line). A line is built without heap allocation in
// one of three static records chosen by level, masked, and its message text handed to the one
// installed receiver. A line that nobody will see (no receiver, trace level 0) is not built at
// all. Any thread may log: building and delivery are serialised, so lines never mix, and the
// receiver's Publish runs on the logging thread.
#include <string>

// Log levels, ordered as the syslog severities; printed as the letters of "XACEWNID".
enum : int {
    LOG_EMERGENCY = 0,
    LOG_ALERT = 1,
    LOG_CRITICAL = 2,
    LOG_ERROR = 3,
    LOG_WARNING = 4,
    LOG_NOTICE = 5,
    LOG_INFO = 6,
    LOG_DEBUG = 7,
};

// Receiver of logged messages. Publish gets the level and the formatted, masked message text
// (no prefix, file or line). A receiver that is destroyed while installed uninstalls itself, so
// nothing is ever delivered to a dead object.
class MPublishErrorBase {
public:
    virtual void Publish(int level, const char* text) = 0;
    virtual ~MPublishErrorBase();
};

// Builds and delivers one log line. file and format may be null.
void LogMessage(const char* file, unsigned line, int level, const char* format, ...)
    __attribute__((format(printf, 4, 5)));

#define MLOG(level, ...) LogMessage(__FILE_NAME__, __LINE__, (level), __VA_ARGS__)

// Installs the receiver when none is installed and returns null; otherwise leaves the installed
// one in place and returns it.
MPublishErrorBase* RegisterErrorPublisher(MPublishErrorBase* publisher);

// Stores a text (that stays valid) to be logged at level 6 right after the next logged line. Any
// thread may call it; the next log call takes and clears it in one step.
void SetPendingLogNotice(const char* notice);

const char* GetFrameworkName();
const char* GetApplicationName();
const char* GetApplicationVersion();
const char* GetHostName();
const char* GetUserName();

// The last line built for a level's record (levels 2-3 share one, 4 has its own, the rest share
// the third). For tests, while no other thread logs.
const char* GetLastLogLine(int level);

// Switches that nothing in the program turns on: print the next line to standard output instead
// of delivering it, and stamp the trace-path lines with the current time.
void SetLogConsoleSwitch(bool on);
void SetLogTimeStampSwitch(bool on);

// Test hook: puts the log back as it was before the first MErrorInit (no identity, no masking,
// switches off, no pending notice). The installed receiver stays.
void ResetLogState();

// Reports the value of one framework setting ("Xml", "Env" or "Default" as its source). A value
// whose names contain "PASSWORD" is hidden while the trace is off.
void LogSettingValue(const char* source, const std::string& xmlTag, const std::string& envVar,
                     const std::string& value, const std::string& defaultText);

// Sets up the process identity printed in every line and logs the start of logging; its
// destruction logs the end. The program's main function creates one on its stack.
class MErrorInit {
public:
    MErrorInit(const char* framework, const char* application, const char* unused, const char* version,
               const char* host);
    ~MErrorInit();
    MErrorInit(const MErrorInit&) = delete;
    MErrorInit& operator=(const MErrorInit&) = delete;
};

// Extension points of an event log; they do nothing in this program.
void EventLogOpen(MErrorInit* init, const char* framework, int a, int b, const char* application,
                  const char* user);
void EventLogWrite(int level, const char* line, int length, const char* framework, const char* application);
void EventLogClose();
