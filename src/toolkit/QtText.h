#pragma once
// The one crossing between the system's Windows-1252 byte texts and Qt's UTF-16 texts. Every
// byte maps to one character: the 27 letters of 0x80-0x9F to their Unicode characters, the five
// bytes Windows-1252 leaves undefined to the control characters of the same number (so any byte
// text survives a round trip), the rest to themselves. FromQt writes '?' for a character that
// Windows-1252 cannot hold. Table-driven, no locale.
#include <QString>
#include <string>
#include <string_view>

QString ToQt(std::string_view text);
std::string FromQt(const QString& text);

// True when Windows-1252 holds the character (the five undefined bytes' stand-ins excluded).
bool IsWin1252Char(char16_t c);
