#pragma once
// One message published for the GUI: its log level (0 to 7) and its composed line. A plain value,
// copied freely.
#include <cstdint>
#include <string>
#include <utility>

class GUIErrorDetails {
public:
    GUIErrorDetails(int32_t level, std::string text) : level_(level), text_(std::move(text)) {}

    int32_t GetLevel() const { return level_; }
    // The line as zero-terminated text, valid while the entry lives unchanged.
    const char* GetText() const { return text_.c_str(); }

private:
    int32_t level_;
    std::string text_;
};
