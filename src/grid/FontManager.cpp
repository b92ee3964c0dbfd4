#include "grid/FontManager.h"

#include <cstdlib>

#include "core/BaseIniFile.h"

void FontManager::SetDefaultFont(FontSpec& font) {
    font = FontSpec();
    font.charset = 1;
    font.color = clWindowText;
    font.height = -11;
    font.name = "MS Sans Serif";
    font_ = font;
}

std::string FontManager::GetNameText(const FontSpec& font) {
    return font.name;
}

std::string FontManager::GetStyleText(const FontSpec& font) {
    std::string text;
    const auto add = [&text](bool present, const char* name) {
        if (!present) return;
        if (!text.empty()) text += ", ";
        text += name;
    };
    add(font.bold, "Bold");
    add(font.italic, "Italic");
    add(font.underline, "Underline");
    add(font.strikeOut, "StrikeOut");
    return "[" + text + "]";
}

std::string FontManager::GetSizeText(const FontSpec& font) {
    // A negative height is the character height in pixels; a positive one the cell height,
    // which is taken as it stands.
    const long pixels = std::labs(static_cast<long>(font.height));
    return std::to_string((pixels * 72 + 48) / 96);
}

void FontManager::LoadFromFile(const BaseIniFile& file, const std::string& section) {
    FontSpec font;
    font.charset = file.ReadInteger(section, "Charset", 1) & 0xFF;
    font.height = file.ReadInteger(section, "FontHeight", -11);
    font.name = file.ReadString(section, "FontName", "MS Sans Serif");
    font.bold = file.ReadBool(section, "Bold", false);
    font.italic = file.ReadBool(section, "Italic", false);
    font.underline = file.ReadBool(section, "Underline", false);
    font.strikeOut = file.ReadBool(section, "StrikeOut", false);
    font.color = clWindowText;
    font_ = font;
}

void FontManager::SaveToFile(BaseIniFile& file, const std::string& section) const {
    file.WriteInteger(section, "Charset", font_.charset);
    file.WriteInteger(section, "FontHeight", font_.height);
    file.WriteString(section, "FontName", font_.name);
    file.WriteBool(section, "Bold", font_.bold);
    file.WriteBool(section, "Italic", font_.italic);
    file.WriteBool(section, "Underline", font_.underline);
    file.WriteBool(section, "StrikeOut", font_.strikeOut);
}
