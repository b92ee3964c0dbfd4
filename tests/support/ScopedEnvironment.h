#pragma once
// Sets environment variables for one test and restores every one it touched (set or unset)
// afterwards.
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() {
        for (const auto& [name, value] : saved_) Apply(name.c_str(), value ? value->c_str() : nullptr);
    }

    // Sets a variable; null unsets it.
    void Set(const char* name, const char* value) {
        if (!saved_.count(name)) {
            const char* old = std::getenv(name);
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        Apply(name, value);
    }

private:
    static void Apply(const char* name, const char* value) {
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    std::map<std::string, std::optional<std::string>> saved_;
};
