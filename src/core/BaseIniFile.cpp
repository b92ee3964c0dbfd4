#include "core/BaseIniFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <map>
#include <string_view>
#include <thread>
#include <utility>

#include "core/MDigitText.h"
#include "core/MError.h"

namespace {

constexpr int32_t kDefaultCount = 20;
constexpr std::chrono::milliseconds kLockPoll{10};

std::chrono::milliseconds& LockTimeout() {
    static std::chrono::milliseconds timeout{3000};
    return timeout;
}

// Changes of write-backs that could not have the lock in time, by file: applied before the
// changes of the next write-back of the same file.
struct PendingChanges {
    MIniStore written;
    MIniStore deleted;
};
std::map<std::string, PendingChanges>& Pending() {
    static std::map<std::string, PendingChanges> pending;
    return pending;
}

// Adds the changes of one write-back to those kept before it: a later write or delete of a key
// replaces an earlier one.
void AddChanges(PendingChanges& to, const MIniStore& written, const MIniStore& deleted) {
    deleted.ForEach([&](const std::string& section, const std::string& key, const std::string&) {
        to.written.Delete(section, key);
        to.deleted.Write(section, key, "");
    });
    written.ForEach([&](const std::string& section, const std::string& key, const std::string& value) {
        to.deleted.Delete(section, key);
        to.written.Write(section, key, value);
    });
}

// An exclusive advisory lock (flock) on the file itself, held while the file is read, merged and
// replaced. A write-back replaces the file with a new one, so a lock won on a file that is no
// longer at the path is dropped and the new file locked instead. A missing file is created empty
// (0600) to have something to lock, and removed again when nothing replaced it.
class FileLock {
public:
    enum Outcome { LOCKED, TIMED_OUT, FAILED };

    ~FileLock() { Release(); }

    Outcome Acquire(const std::string& target, std::chrono::milliseconds timeout, std::string& error) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            created_ = false;
            fd_ = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
            if (fd_ < 0 && errno == ENOENT) {
                fd_ = ::open(target.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
                created_ = fd_ >= 0;
                if (fd_ < 0 && errno == EEXIST) continue;
            }
            if (fd_ < 0) {
                error = std::strerror(errno);
                return FAILED;
            }
            struct stat locked {};
            if (::fstat(fd_, &locked) != 0 || !S_ISREG(locked.st_mode)) {
                error = std::strerror(S_ISDIR(locked.st_mode) ? EISDIR : EINVAL);
                Release();
                return FAILED;
            }
            while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
                if (errno != EWOULDBLOCK && errno != EINTR) {
                    error = std::strerror(errno);
                    Release();
                    return FAILED;
                }
                if (std::chrono::steady_clock::now() >= deadline) {
                    Release();
                    return TIMED_OUT;
                }
                std::this_thread::sleep_for(kLockPoll);
            }
            struct stat current {};
            if (::stat(target.c_str(), &current) == 0 && current.st_dev == locked.st_dev &&
                current.st_ino == locked.st_ino) {
                target_ = target;
                return LOCKED;
            }
            Release();  // replaced or removed meanwhile: lock what is there now
        }
    }

    // Removes the empty file made for the lock when the write-back did not replace it.
    void RemoveCreated() {
        if (created_) ::unlink(target_.c_str());
        created_ = false;
    }

private:
    void Release() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

    int fd_ = -1;
    bool created_ = false;
    std::string target_;
};

// A signed 32-bit integer: optional leading blanks, an optional sign, then decimal digits or
// "0x" and up to eight hexadecimal digits, and nothing after them.
bool ParseInteger(const std::string& text, int32_t& value) {
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return false;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    int64_t magnitude = 0;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        i += 2;
        const size_t first = i;
        for (; i < text.size() && std::isxdigit(static_cast<unsigned char>(text[i])) && i - first < 8; ++i) {
            const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
            magnitude = magnitude * 16 + (c <= '9' ? c - '0' : c - 'a' + 10);
        }
        if (i == first || i != text.size()) return false;
        const auto bits = static_cast<uint32_t>(magnitude);
        value = static_cast<int32_t>(negative ? 0u - bits : bits);
        return true;
    }
    const size_t first = i;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > int64_t{INT32_MAX} + 1) return false;
    }
    if (i == first || i != text.size()) return false;
    if (negative) magnitude = -magnitude;
    if (magnitude > INT32_MAX) return false;
    value = static_cast<int32_t>(magnitude);
    return true;
}

// The first occurrence of a pattern at or after a start that only moves forward. The last
// occurrence found stays the first one while the start has not passed it, so every character is
// searched about once however many entries a value holds.
class Finder {
public:
    Finder(const std::string& text, const std::string& pattern) : text_(text), pattern_(pattern) {}
    // Position of the first occurrence at or after start; npos when absent or the pattern is
    // empty.
    size_t From(size_t start) {
        if (pattern_.empty()) return std::string::npos;
        // None at or after an earlier start means none at or after this one either.
        if (!searched_ || (found_ != std::string::npos && found_ < start)) {
            found_ = text_.find(pattern_, start);
            searched_ = true;
        }
        return found_;
    }

private:
    const std::string& text_;
    const std::string& pattern_;
    size_t found_ = std::string::npos;
    bool searched_ = false;
};

// Where the remaining text begins after the first occurrence of separator found at position.
size_t After(const std::string& text, size_t position, const std::string& separator) {
    return std::min(text.size(), position + separator.size());
}

// The text between the end of the opener at o and the closer at c; empty when the closer comes
// first.
std::string_view Inner(const std::string& text, size_t o, const std::string& opener, size_t c) {
    const size_t start = o + opener.size();
    return c > start ? std::string_view(text).substr(start, c - start) : std::string_view();
}

}  // namespace

BaseIniFile::BaseIniFile(const std::string& fileName) : fileName_(fileName) {
    if (fileName_.empty()) return;
    std::string error;
    if (!store_.LoadFromFile(fileName_, error))
        MLOG(LOG_ERROR, "Unable to read the file %s: %s", fileName_.c_str(), error.c_str());
}

BaseIniFile::~BaseIniFile() {
    Flush();
}

bool BaseIniFile::Flush() {
    flushError_.clear();
    if (!modified_ || fileName_.empty()) return true;
    bool written = false;
    try {
        written = WriteBack();
    } catch (const std::exception& e) {
        flushError_ = e.what();
        MLOG(LOG_ERROR, "Unable to write the file %s: %s", fileName_.c_str(), e.what());
    }
    written_ = MIniStore();
    deleted_ = MIniStore();
    modified_ = false;
    return written;
}

bool BaseIniFile::WriteBack() {
    const std::string target = MIniStore::FollowLinks(fileName_);
    std::string& error = flushError_;
    FileLock lock;
    switch (lock.Acquire(target, LockTimeout(), error)) {
        case FileLock::LOCKED:
            break;
        case FileLock::TIMED_OUT:
            error = "the file is locked by another writer";
            AddChanges(Pending()[target], written_, deleted_);
            MLOG(LOG_ERROR, "Unable to lock the file %s within %lld ms, changes kept for the next write",
                 fileName_.c_str(), static_cast<long long>(LockTimeout().count()));
            return false;
        case FileLock::FAILED:
            MLOG(LOG_ERROR, "Unable to write the file %s: %s", fileName_.c_str(), error.c_str());
            return false;
    }
    std::string text;
    if (!MIniStore::ReadTextOfFile(target, text, error)) {
        lock.RemoveCreated();
        MLOG(LOG_ERROR, "Unable to read the file %s, changes not written: %s", fileName_.c_str(),
             error.c_str());
        return false;
    }
    // The changes kept from write-backs that timed out go first, this object's after them.
    const auto pending = Pending().find(target);
    PendingChanges changes;
    if (pending != Pending().end()) changes = pending->second;
    AddChanges(changes, written_, deleted_);
    if (!MIniStore::SaveTextToFile(target, MIniStore::EditText(text, changes.written, changes.deleted),
                                   error)) {
        lock.RemoveCreated();
        MLOG(LOG_ERROR, "Unable to write the file %s: %s", fileName_.c_str(), error.c_str());
        return false;
    }
    if (pending != Pending().end()) Pending().erase(pending);
    return true;
}

std::chrono::milliseconds BaseIniFile::SetLockTimeout(std::chrono::milliseconds timeout) {
    return std::exchange(LockTimeout(), timeout);
}

bool BaseIniFile::SectionExists(const std::string& section) const {
    return store_.SectionExists(section);
}

void BaseIniFile::ReadSection(const std::string& section, std::vector<std::string>& keys) const {
    keys = store_.ReadSection(section);
}

void BaseIniFile::ReadSectionValues(const std::string& section, std::vector<std::string>& lines) const {
    lines = store_.ReadSectionValues(section);
}

std::string BaseIniFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
    const std::string* value = store_.Find(section, key);
    return value ? *value : defaultValue;
}

void BaseIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    store_.Write(section, key, value);
    written_.Write(section, key, value);
    deleted_.Delete(section, key);
    modified_ = true;
}

int32_t BaseIniFile::ReadInteger(const std::string& section, const std::string& key,
                                 int32_t defaultValue) const {
    const std::string* text = store_.Find(section, key);
    int32_t value = 0;
    return text && ParseInteger(*text, value) ? value : defaultValue;
}

void BaseIniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
    int length = 0;
    const char* text = FormatInt(value, length);
    WriteString(section, key, std::string(text, length));
}

bool BaseIniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
    const std::string* text = store_.Find(section, key);
    int32_t value = 0;
    return text && ParseInteger(*text, value) ? value != 0 : defaultValue;
}

void BaseIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void BaseIniFile::DeleteKey(const std::string& section, const std::string& key) {
    store_.Delete(section, key);
    written_.Delete(section, key);
    deleted_.Write(section, key, "");
    modified_ = true;
}

int32_t BaseIniFile::ReadCount(const std::string& section, const std::string& key) const {
    int32_t count = 0;
    return ParseInteger(ReadString(section, key, ""), count) ? count : kDefaultCount;
}

void BaseIniFile::ReadKeyList(const std::string& section, const std::string& key,
                              const std::string& separator, KeyDataVector& list) const {
    const std::string text = ReadString(section, key, "");
    list.clear();
    Finder separators(text, separator);
    for (size_t start = 0; start < text.size();) {
        const size_t p = separators.From(start);
        if (p == std::string::npos) {
            list.emplace_back(text.substr(start));
            break;
        }
        list.emplace_back(text.substr(start, p - start));
        start = After(text, p, separator);
    }
}

void BaseIniFile::ReadKey1ValueList(const std::string& section, const std::string& key,
                                    Key1ValueDataVector& list, const std::string& entryEnd,
                                    const std::string& opener, const std::string& closer) const {
    const std::string text = ReadString(section, key, "");
    list.clear();
    Finder ends(text, entryEnd), openers(text, opener), closers(text, closer);
    for (size_t start = 0; start < text.size();) {
        const size_t e = ends.From(start), o = openers.From(start), c = closers.From(start);
        if (e == std::string::npos || o == std::string::npos || c == std::string::npos) break;
        list.emplace_back(text.substr(start, o - start), std::string(Inner(text, o, opener, c)));
        start = After(text, e, entryEnd);
    }
}

void BaseIniFile::ReadKey2ValueList(const std::string& section, const std::string& key,
                                    Key2ValueDataVector& list, const std::string& entryEnd,
                                    const std::string& opener, const std::string& valueSeparator,
                                    const std::string& closer) const {
    const std::string text = ReadString(section, key, "");
    list.clear();
    Finder ends(text, entryEnd), openers(text, opener), closers(text, closer);
    for (size_t start = 0; start < text.size();) {
        const size_t e = ends.From(start), o = openers.From(start), c = closers.From(start);
        if (e == std::string::npos || o == std::string::npos || c == std::string::npos) break;
        const std::string_view inner = Inner(text, o, opener, c);
        const size_t v = valueSeparator.empty() ? std::string_view::npos : inner.find(valueSeparator);
        if (v == std::string_view::npos) break;
        list.emplace_back(text.substr(start, o - start), std::string(inner.substr(0, v)),
                          std::string(inner.substr(v + valueSeparator.size())));
        start = After(text, e, entryEnd);
    }
}

std::string BaseIniFile::MakeSectionName() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    return MakeSectionName(
        local, static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000));
}

std::string BaseIniFile::MakeSectionName(const std::tm& local, int milliseconds) {
    char base[64];
    std::snprintf(base, sizeof base, "%u%u%u%u%u%u%u", static_cast<unsigned>(local.tm_year + 1900),
                  static_cast<unsigned>(local.tm_mon + 1), static_cast<unsigned>(local.tm_mday),
                  static_cast<unsigned>(local.tm_hour), static_cast<unsigned>(local.tm_min),
                  static_cast<unsigned>(local.tm_sec), static_cast<unsigned>(milliseconds));

    MIniStore onDisk;
    std::string error;
    if (!fileName_.empty()) onDisk.LoadFromFile(fileName_, error);
    const auto taken = [&](const std::string& name) {
        return store_.SectionExists(name) || onDisk.SectionExists(name) ||
               std::find(madeSectionNames_.begin(), madeSectionNames_.end(), name) != madeSectionNames_.end();
    };
    std::string name = base;
    for (int n = 1; taken(name); ++n) (name = base).append(1, '_').append(std::to_string(n));
    madeSectionNames_.push_back(name);
    return name;
}
