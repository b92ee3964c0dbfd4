#pragma once
// Puts back, when it dies, the C library's locale of one category as it found it, also when the
// test stops early.
#include <clocale>
#include <string>

class ScopedLocale {
public:
    explicit ScopedLocale(int category) : category_(category) {
        if (const char* name = std::setlocale(category, nullptr)) previous_ = name;
    }
    ~ScopedLocale() {
        if (!previous_.empty()) std::setlocale(category_, previous_.c_str());
    }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    int category_;
    std::string previous_;
};
