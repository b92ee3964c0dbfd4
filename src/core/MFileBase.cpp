#include "core/MFileBase.h"

#include <sys/stat.h>

#include <cstring>

#include "core/MFileLineSplitter.h"

namespace {
constexpr char kFileMarker[] = "%FILE%";
constexpr std::size_t kFileMarkerLength = sizeof(kFileMarker) - 1;
constexpr int kMaxReplacements = 32767;

bool IsShellSafe(const std::string& text) {
    if (text.empty()) return false;
    for (const char c : text) {
        const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                          std::strchr("_-./+,:@", c) != nullptr;
        if (!safe || c == '\0') return false;
    }
    return true;
}

// One word for the shell: the text inside single quotes, each quote written as '\''.
std::string ShellQuote(const std::string& text) {
    if (IsShellSafe(text)) return text;
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    quoted += '\'';
    return quoted;
}
}  // namespace

MFileBase::MFileBase(const std::string& fileName, int32_t bufferSize, bool pipe)
    : buffer_(static_cast<std::size_t>(bufferSize > 0 ? bufferSize : 0)),
      bufferSize_(bufferSize > 0 ? bufferSize : 0),
      lineSplitter_(&GetFileLineSplitter()),
      pipe_(pipe) {
    SetFileName(fileName);
}

MFileBase::~MFileBase() = default;

void MFileBase::SetFileName(const std::string& fileName) {
    fileName_ = fileName.substr(0, kMaxPathLength);
    // A zero byte ends the name, as it does for the C library.
    fileName_.resize(std::strlen(fileName_.c_str()));
}

int64_t MFileBase::GetSize() const {
    struct stat status {};
    if (fileName_.empty() || ::stat(fileName_.c_str(), &status) != 0) return 0;
    return static_cast<int64_t>(status.st_size);
}

std::string MFileBase::ExpandPattern() const {
    if (commandPattern_.empty()) return fileName_;
    const std::string inserted = pipe_ ? ShellQuote(fileName_) : fileName_;
    std::string result;
    std::size_t from = 0;
    for (int count = 0; count < kMaxReplacements; ++count) {
        const std::size_t at = commandPattern_.find(kFileMarker, from);
        if (at == std::string::npos) break;
        result.append(commandPattern_, from, at - from);
        result += inserted;
        from = at + kFileMarkerLength;
    }
    result.append(commandPattern_, from, std::string::npos);
    return result;
}

const char* GetFileNamePart(const char* path) {
    if (!path) return "";
    if (const char* slash = std::strrchr(path, '/')) return slash + 1;
    if (const char* backslash = std::strrchr(path, '\\')) return backslash + 1;
    return path;
}
