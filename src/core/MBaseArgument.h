#pragma once
// One command-line argument of the framework's usage text: its option letter (a blank for an
// argument given only through the XML configuration), description, and whether it is required
// and takes a value. An argument enters the process-wide registry when it is built and leaves it
// when it dies; the registry never owns it. Not copyable.
#include <string>
#include <vector>

class MBaseArgument {
public:
    MBaseArgument(char letter, std::string description, bool required, bool takesValue);
    ~MBaseArgument();
    MBaseArgument(const MBaseArgument&) = delete;
    MBaseArgument& operator=(const MBaseArgument&) = delete;

    char GetLetter() const { return letter_; }
    const std::string& GetDescription() const { return description_; }
    bool IsRequired() const { return required_; }
    bool TakesValue() const { return takesValue_; }

private:
    char letter_;
    std::string description_;
    bool required_;
    bool takesValue_;
};

// The registered arguments, in registration order until PrintUsage sorts them.
std::vector<MBaseArgument*>& GetArgumentRegistry();
