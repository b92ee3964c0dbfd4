#pragma once
// Shows the busy cursor for its lifetime and restores the cursor it found.
#include "toolkit/UiHost.h"

class BusyCursor {
public:
    BusyCursor() { Ui().BeginBusy(); }
    ~BusyCursor() { Ui().EndBusy(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
