#pragma once
// The framework exception, raised for malformed external data (code 1) and values out of
// bounds (code 2). Callers catch it by const reference.
#include <string>

class MException {
public:
    MException(int code, const char* text) : code_(code), text_(text ? text : "") {}
    int GetCode() const { return code_; }
    const std::string& GetText() const { return text_; }

private:
    int code_;
    std::string text_;
};

[[noreturn]] void ThrowMException(int code, const char* format, ...) __attribute__((format(printf, 2, 3)));
