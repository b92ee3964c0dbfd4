#pragma once
// The usage report of a program with a bad command line, built from the registered arguments
// (MBaseArgument) and the process-wide usage text, and written to standard output.
#include <string>

// The text printed after "USAGE:" (empty at start-up: then nothing is printed).
void SetUsageText(const std::string& text);
const std::string& GetUsageText();

// Prints the message (formatted into at most 999 characters) and the root name, logs the message
// at level 2 when log is set, then the synopsis, the details, "-h", the usage text and the XML
// template of the arguments sorted by letter. Ends the process with exit code 1 when exit is set.
void PrintUsage(bool log, bool exit, const char* rootName, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
