#pragma once
// Finds a grid window for the automation channel: the first open grid window of an MDI area, in
// the order the windows were opened, whose window title (the title the user edits, without the
// caption's suffixes) is exactly the text asked for.
#include <cstdint>
#include <string>

class QMdiArea;

class GridWindowLookup {
public:
    // The window's handle; 0 when none matches.
    static uint32_t FindByTitle(const QMdiArea& area, const std::string& title);
};
