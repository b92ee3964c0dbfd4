#include "core/MException.h"

#include <cstdarg>
#include <cstdio>
#include <ostream>

#include "core/MTrace.h"

void ThrowMException(int code, const char* format, ...) {
    char text[2048];
    text[0] = '\0';
    if (format) {
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);  // longer messages are cut
        va_end(args);
    }
    if (GetTraceLevel() >= 1) {
        GetTraceStream() << "Raising MException(" << code << "," << text << ")" << std::endl;
    }
    throw MException(code, text);
}
