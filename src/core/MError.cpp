#include "core/MError.h"

#include <algorithm>
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>
#include <ostream>

#include "core/MDigitText.h"
#include "core/MTrace.h"

namespace {

constexpr int kRecordSize = 8000;
constexpr int kMaxLine = kRecordSize - 1;
constexpr char kLevelLetters[] = "XACEWNID";

struct LineRecord {
    int32_t level = 6;
    uint32_t line = 0;
    char buffer[kRecordSize] = {};
    int32_t lineLength = 0;
    int letterPosition = 0;
    int filePosition = 1;  // until the prefix is built, a line starts with its letter alone
    int32_t fileLength = 0;
    int textPosition = 0;
    int32_t textLength = 0;
};

// Guards the records, the time text and delivery, so that any thread may log and lines never
// mix; recursive, so that a receiver may log from its Publish. Made on first use and never
// destroyed, so that logging during static initialisation or destruction still finds it.
std::recursive_mutex& LogMutex() {
    static auto* mutex = new std::recursive_mutex;
    return *mutex;
}
LineRecord errorRecord, warningRecord, generalRecord;
bool maskTable[256] = {};
// Read without the lock by the test of whether anyone will see a line.
std::atomic<MPublishErrorBase*> receiver{nullptr};
std::atomic<const char*> pendingNotice{nullptr};
std::atomic<bool> consoleSwitch{false};
bool timeStampSwitch = false;

std::string frameworkName, applicationName, applicationVersion = "0.0.0", hostName, userName;

// Time text of the trace path: "YYYY/MM/DD-HH:MM:SS.mmmuuu" (26 characters, local time).
char timeText[27] = "0000/00/00-00:00:00.000000";
time_t timeTextSecond = -1;

LineRecord& RecordFor(int level) {
    if (level == 2 || level == 3) return errorRecord;
    if (level == 4) return warningRecord;
    return generalRecord;
}

void SetTimeText(time_t seconds, long micros) {
    if (seconds != timeTextSecond) {
        std::tm parts{};
        localtime_r(&seconds, &parts);
        MDigitText<4>::Format(timeText, parts.tm_year + 1900);
        MDigitText<2>::Format(timeText + 5, parts.tm_mon + 1);
        MDigitText<2>::Format(timeText + 8, parts.tm_mday);
        MDigitText<2>::Format(timeText + 11, parts.tm_hour);
        MDigitText<2>::Format(timeText + 14, parts.tm_min);
        MDigitText<2>::Format(timeText + 17, parts.tm_sec);
        timeTextSecond = seconds;
    }
    MDigitText<3>::Format(timeText + 20, static_cast<int>(micros / 1000));
    MDigitText<3>::Format(timeText + 23, static_cast<int>(micros % 1000));
}

// Appends text to the record's buffer at pos, bounded so that the line ends within the record.
int AppendBounded(char* buffer, int pos, const char* text) {
    const int room = kMaxLine - pos;
    const int n = std::min<int>(room, static_cast<int>(std::strlen(text)));
    if (n > 0) std::memcpy(buffer + pos, text, n);
    return pos + std::max(n, 0);
}

void BuildPrefix(LineRecord& record) {
    int pos = AppendBounded(record.buffer, 0, userName.c_str());
    pos = AppendBounded(record.buffer, pos, " ");
    record.letterPosition = std::min(pos, kMaxLine - 1);
    record.buffer[record.letterPosition] = ' ';
    pos = record.letterPosition + 1;
    pos = AppendBounded(record.buffer, pos, "[");
    pos = AppendBounded(record.buffer, pos, frameworkName.c_str());
    pos = AppendBounded(record.buffer, pos, "]");
    pos = AppendBounded(record.buffer, pos, applicationName.c_str());
    pos = AppendBounded(record.buffer, pos, " - ");
    record.filePosition = pos;
    record.buffer[pos] = '\0';
}

}  // namespace

MPublishErrorBase::~MPublishErrorBase() {
    std::lock_guard lock(LogMutex());
    MPublishErrorBase* self = this;
    receiver.compare_exchange_strong(self, nullptr);
}

void LogMessage(const char* file, unsigned line, int level, const char* format, ...) {
    // A line that nobody will see (no receiver, trace off, no console print, no notice waiting
    // to follow it) is not built at all.
    if (!receiver.load(std::memory_order_acquire) && !consoleSwitch.load(std::memory_order_relaxed) &&
        !pendingNotice.load(std::memory_order_relaxed) && GetTraceLevel() < 1) {
        return;
    }
    std::unique_lock lock(LogMutex());
    LineRecord& r = RecordFor(level);
    r.level = level;
    r.line = line;
    r.buffer[r.letterPosition] = (level >= 0 && level <= 7) ? kLevelLetters[level] : '?';

    int pos = r.filePosition;
    r.fileLength = 0;
    if (file) {
        const int end = AppendBounded(r.buffer, pos, file);
        r.fileLength = end - pos;
        pos = end;
    }

    char number[16];
    int digits = 4;
    if (line <= 9999) {
        FormatInt64Fixed(number, line, 4);
    } else {
        const char* text = FormatUIntMinWidth(line, digits);
        std::memcpy(number, text, digits);
    }
    number[digits] = '\0';
    pos = AppendBounded(r.buffer, pos, "[");
    pos = AppendBounded(r.buffer, pos, number);
    pos = AppendBounded(r.buffer, pos, "] ");
    r.textPosition = pos;

    const int room = kMaxLine - pos;
    r.textLength = 0;
    if (format && room > 0) {
        va_list args;
        va_start(args, format);
        // vsnprintf counts the terminator in its size: room characters need room + 1 bytes.
        const int count = std::vsnprintf(r.buffer + pos, static_cast<size_t>(room) + 1, format, args);
        va_end(args);
        r.textLength = (count < 0 || count > room) ? room : count;
        char* text = r.buffer + pos;
        for (int i = 0; i < r.textLength; ++i) {
            if (maskTable[static_cast<unsigned char>(text[i])]) text[i] = '.';
        }
    }
    r.buffer[pos + r.textLength] = '\0';
    r.lineLength = pos + r.textLength;

    if (consoleSwitch.exchange(false)) {
        std::printf("[TRACE] %s\n", r.buffer);
    } else {
        if (r.lineLength >= 4096) {
            static char shortLine[4096];  // used under the log lock only
            std::memcpy(shortLine, r.buffer, 4095);
            shortLine[4095] = '\0';
            EventLogWrite(level, shortLine, 4096, frameworkName.c_str(), applicationName.c_str());
        } else {
            EventLogWrite(level, r.buffer, r.lineLength, frameworkName.c_str(), applicationName.c_str());
        }
        if (MPublishErrorBase* target = receiver.load(std::memory_order_acquire)) {
            target->Publish(level, r.buffer + r.textPosition);
        } else {
            if (timeStampSwitch) {
                timespec now{};
                clock_gettime(CLOCK_REALTIME, &now);
                SetTimeText(now.tv_sec, now.tv_nsec / 1000);
            }
            if (GetTraceLevel() >= 1) {
                // Traced lines are buffered by the stream; a failure line is pushed out at once.
                std::ostream& stream = GetTraceStream();
                stream << timeText << ' ' << r.buffer << '\n';
                if (level <= LOG_ERROR) stream.flush();
            }
        }
    }
    lock.unlock();

    if (pendingNotice.load(std::memory_order_relaxed)) {
        if (const char* notice = pendingNotice.exchange(nullptr))
            LogMessage(__FILE_NAME__, __LINE__, 6, "%s", notice);
    }
}

MPublishErrorBase* RegisterErrorPublisher(MPublishErrorBase* publisher) {
    std::lock_guard lock(LogMutex());
    MPublishErrorBase* installed = nullptr;
    if (receiver.compare_exchange_strong(installed, publisher)) return nullptr;
    return installed;
}

void SetPendingLogNotice(const char* notice) {
    pendingNotice.store(notice);
}

const char* GetFrameworkName() {
    return frameworkName.c_str();
}
const char* GetApplicationName() {
    return applicationName.c_str();
}
const char* GetApplicationVersion() {
    return applicationVersion.c_str();
}
const char* GetHostName() {
    return hostName.c_str();
}
const char* GetUserName() {
    return userName.c_str();
}

const char* GetLastLogLine(int level) {
    return RecordFor(level).buffer;
}

void SetLogConsoleSwitch(bool on) {
    consoleSwitch.store(on);
}
void SetLogTimeStampSwitch(bool on) {
    std::lock_guard lock(LogMutex());
    timeStampSwitch = on;
}

void ResetLogState() {
    errorRecord = warningRecord = generalRecord = LineRecord{};
    std::fill(std::begin(maskTable), std::end(maskTable), false);
    pendingNotice = nullptr;
    consoleSwitch = timeStampSwitch = false;
    frameworkName.clear();
    applicationName.clear();
    applicationVersion = "0.0.0";
    hostName.clear();
    userName.clear();
    std::strcpy(timeText, "0000/00/00-00:00:00.000000");
    timeTextSecond = -1;
}

void LogSettingValue(const char* source, const std::string& xmlTag, const std::string& envVar,
                     const std::string& value, const std::string& defaultText) {
    auto blanks = [](const std::string& s, int width) {
        return std::string(s.size() < static_cast<size_t>(width) ? width - s.size() : 0, ' ');
    };
    const std::string tail = " -> EnvVar [" + envVar + "]," + blanks(envVar, 45) + " BD [" + xmlTag + "]," +
                             blanks(xmlTag, 45) + " Def. [" + defaultText + "]";
    const bool hidden = tail.find("PASSWORD") != std::string::npos && GetTraceLevel() == 0;
    const std::string shown = hidden ? std::string() : value;
    const std::string sourceText = source ? source : "";
    const std::string head =
        " " + sourceText + blanks(sourceText, 9) + " [" + shown + "]" + blanks(shown, 35);
    LogMessage("", 0, 6, "%s%s", head.c_str(), tail.c_str());
}

MErrorInit::MErrorInit(const char* framework, const char* application, const char*, const char* version,
                       const char* host) {
    std::unique_lock lock(LogMutex());
    frameworkName = framework ? framework : "";
    applicationName = application ? application : "";
    applicationVersion = version ? version : "";
    hostName = host ? host : "";
    timeTextSecond = -1;
    SetTimeText(0, 0);
    for (int b = 0; b < 256; ++b) maskTable[b] = b < 32 || b > 126;
    const char* user = std::getenv("USERNAME");
    if (!user) user = std::getenv("USER");
    userName = user ? user : "";
    BuildPrefix(errorRecord);
    BuildPrefix(warningRecord);
    BuildPrefix(generalRecord);
    lock.unlock();
    EventLogOpen(this, frameworkName.c_str(), 3, 4, applicationName.c_str(), userName.c_str());
    LogMessage(__FILE_NAME__, __LINE__, 6, "Logging enabled in %s, %s on Host %s", frameworkName.c_str(),
               applicationName.c_str(), hostName.c_str());
}

MErrorInit::~MErrorInit() {
    LogMessage(__FILE_NAME__, __LINE__, 6, "Logging disabled in %s, %s on Host %s", frameworkName.c_str(),
               applicationName.c_str(), hostName.c_str());
    if (GetTraceLevel() >= 1) {
        std::lock_guard lock(LogMutex());
        GetTraceStream().flush();
    }
    EventLogClose();
}

void EventLogOpen(MErrorInit*, const char*, int, int, const char*, const char*) {}
void EventLogWrite(int, const char*, int, const char*, const char*) {}
void EventLogClose() {}
