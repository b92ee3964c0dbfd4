#pragma once
// The width of the widest of many texts in one font, each followed by the same suffix, as
// QFontMetrics measures a text (BusinessObjectGrid::TextWidth), without measuring every text.
//
// Each added text is first estimated from the advances of its bytes and the kerning of each
// adjacent pair, both measured once per byte and per pair. Only texts whose estimate comes within
// a margin of the largest estimate are kept, one per estimated width, and measured whole at the
// end. A million texts cost a pass over their bytes and a handful of measurements. GUI thread.
#include <QFontMetrics>
#include <QFontMetricsF>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "toolkit/FontSpec.h"

class WidestText {
public:
    WidestText(const FontSpec& font, std::string suffix);

    void Add(std::string_view text);
    // The widest text's width; 0 when nothing was added.
    int Width() const;

private:
    double Advance(unsigned char c);
    double Kerning(unsigned char a, unsigned char b);

    QFontMetrics metrics_;
    QFontMetricsF exact_;
    std::string suffix_;
    std::vector<double> advance_;  // per byte; negative until measured
    std::vector<double> kerning_;  // per pair of bytes
    std::vector<bool> kerned_;
    double widest_ = -1;
    // Candidates by estimated width in 64ths of a pixel.
    std::unordered_map<long long, std::pair<double, std::string>> candidates_;
};
