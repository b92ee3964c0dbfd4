#include "toolkit/ReplySink.h"

namespace {

ReplySink* current = nullptr;

}  // namespace

ReplySink* ReplySink::Current() {
    return current;
}

ReplySink* ReplySink::Install(ReplySink* sink) {
    ReplySink* previous = current;
    current = sink;
    return previous;
}
