#include "core/MFileLineSplitter.h"

#include <cstring>

bool MFileLineSplitter::Split(char* text, int delimiter, int length, int* lineLength, int* consumed) {
    if (!text || length <= 0) return false;
    char* found = static_cast<char*>(std::memchr(text, delimiter, static_cast<std::size_t>(length)));
    if (!found) return false;
    int line = static_cast<int>(found - text);
    *consumed = line + 1;
    if (line > 0 && delimiter == '\n' && text[line - 1] == '\r') {
        --line;
        text[line] = '\0';
    } else {
        *found = '\0';
    }
    *lineLength = line;
    return true;
}

MFileLineSplitter& GetFileLineSplitter() {
    static MFileLineSplitter splitter;
    return splitter;
}
