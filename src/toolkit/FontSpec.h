#pragma once
// A font as the windows and settings files describe it. A negative height is a pixel height;
// a positive one is taken as the cell height in pixels. The name and the character set are kept
// verbatim, so settings round-trip even where Linux lacks the face: painting substitutes.
#include <string>

#include "toolkit/ColorValue.h"

struct FontSpec {
    std::string name = "MS Sans Serif";
    int height = -11;
    int charset = 1;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    ColorValue color = clWindowText;
    bool operator==(const FontSpec&) const = default;
};
