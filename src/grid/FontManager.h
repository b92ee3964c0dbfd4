#pragma once
// Holds the font of a grid's cells and keeps it in a settings section. A plain value: copying
// copies the font. Qt-free.
//
// Keys: Charset (0 to 255, default 1), FontHeight (default -11), FontName (default
// "MS Sans Serif"), Bold, Italic, Underline, StrikeOut (default false). The colour is not stored:
// a loaded font has the window text colour.
#include <string>

#include "toolkit/FontSpec.h"

class BaseIniFile;

class FontManager {
public:
    const FontSpec& GetFont() const { return font_; }
    void SetFont(const FontSpec& font) { font_ = font; }

    // Makes the given font the default one (character set 1, window text colour, height -11,
    // "MS Sans Serif", no style) and takes it.
    void SetDefaultFont(FontSpec& font);

    static std::string GetNameText(const FontSpec& font);
    // "[" + the styles present in the order Bold, Italic, Underline, StrikeOut, joined by ", " + "]".
    static std::string GetStyleText(const FontSpec& font);
    // The size in points at 96 pixels an inch, rounded half away from zero.
    static std::string GetSizeText(const FontSpec& font);

    void LoadFromFile(const BaseIniFile& file, const std::string& section);
    void SaveToFile(BaseIniFile& file, const std::string& section) const;

private:
    FontSpec font_;
};
