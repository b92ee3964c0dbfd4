#include "toolkit/UiHost.h"

#include "toolkit/QtUiHost.h"

namespace {
UiHost* installed = nullptr;
}

UiHost& Ui() {
    if (installed) return *installed;
    static QtUiHost host;
    return host;
}

UiHost* SetUi(UiHost* host) {
    UiHost* previous = installed;
    installed = host;
    return previous;
}
