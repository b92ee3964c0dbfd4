#include "net/MessageVectorFailure.h"

#include <cstdlib>

#include "core/MError.h"

void FailMessageVectorAdd(const char* source, unsigned line) {
    LogMessage(source, line, LOG_CRITICAL, "Can't add message in Message Vector");
    std::exit(1);
}
