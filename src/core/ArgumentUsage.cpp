#include "core/ArgumentUsage.h"

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/MBaseArgument.h"
#include "core/MError.h"

namespace {
std::string usageText;

std::string ToUpper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Blanks from position from on become '_'.
std::string Underscored(std::string text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == ' ') text[i] = '_';
    }
    return text;
}
}  // namespace

void SetUsageText(const std::string& text) {
    usageText = text;
}
const std::string& GetUsageText() {
    return usageText;
}

void PrintUsage(bool log, bool exit, const char* rootName, const char* format, ...) {
    if (!rootName) rootName = "";
    char message[1000] = "";
    if (format) {
        va_list arguments;
        va_start(arguments, format);
        std::vsnprintf(message, sizeof(message), format, arguments);
        va_end(arguments);
    }
    std::printf("\n%s\n%s", message, rootName);
    // The message is data, never a format of its own.
    if (log) MLOG(2, "%s", message);

    std::vector<MBaseArgument*>& registry = GetArgumentRegistry();
    std::stable_sort(registry.begin(), registry.end(), [](const MBaseArgument* a, const MBaseArgument* b) {
        return static_cast<signed char>(a->GetLetter()) < static_cast<signed char>(b->GetLetter());
    });

    for (const MBaseArgument* argument : registry) {
        if (argument->GetLetter() == ' ') continue;
        const bool required = argument->IsRequired();
        std::printf("%s%c%s%s", required ? " -" : " [-", argument->GetLetter(),
                    argument->TakesValue() ? " value" : "", required ? "" : "]");
    }
    for (const MBaseArgument* argument : registry) {
        const std::string text = std::string(1, argument->GetLetter()) + ": " + argument->GetDescription();
        if (argument->GetLetter() != ' ') {
            std::printf("\n-%s", text.c_str());
        } else {
            std::printf("\nXML%s", Underscored(ToUpper(text), 3).c_str());
        }
    }
    std::printf("\n-h: Display help\n\n");
    if (!usageText.empty()) {
        std::printf("USAGE:\n");
        std::printf("%s\n\n", usageText.c_str());
    }

    std::printf("\n<%s>\n\n", rootName);
    for (const MBaseArgument* argument : registry) {
        const char letter = argument->GetLetter();
        if (letter != '\0' && std::strchr("etsRC", letter)) continue;
        const std::string name = Underscored(ToUpper(argument->GetDescription()), 0);
        std::printf("   <%s></%s>\n", name.c_str(), name.c_str());
    }
    std::printf("\n</%s>\n", rootName);
    std::fflush(stdout);
    if (exit) std::exit(1);
}
