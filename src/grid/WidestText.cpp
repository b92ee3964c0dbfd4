#include "grid/WidestText.h"

#include <algorithm>
#include <cmath>

#include "toolkit/QtPaint.h"
#include "toolkit/QtText.h"

namespace {

// A text estimated this much narrower than the widest estimate cannot be the widest: estimates
// and measurements differ by the rounding of the measured width only.
constexpr double kMargin = 2.0;

}  // namespace

WidestText::WidestText(const FontSpec& font, std::string suffix)
    : metrics_(ToQFont(font)),
      exact_(ToQFont(font)),
      suffix_(std::move(suffix)),
      advance_(256, -1.0),
      kerning_(256 * 256, 0.0),
      kerned_(256 * 256, false) {}

double WidestText::Advance(unsigned char c) {
    double& advance = advance_[c];
    if (advance < 0)
        advance = exact_.horizontalAdvance(ToQt(std::string_view(reinterpret_cast<char*>(&c), 1)));
    return advance;
}

double WidestText::Kerning(unsigned char a, unsigned char b) {
    const std::size_t pair = static_cast<std::size_t>(a) * 256 + b;
    if (!kerned_[pair]) {
        const char text[2] = {static_cast<char>(a), static_cast<char>(b)};
        kerning_[pair] = exact_.horizontalAdvance(ToQt(std::string_view(text, 2))) - Advance(a) - Advance(b);
        kerned_[pair] = true;
    }
    return kerning_[pair];
}

void WidestText::Add(std::string_view text) {
    double estimate = 0;
    int previous = -1;
    const auto walk = [&](std::string_view part) {
        for (const char ch : part) {
            const auto c = static_cast<unsigned char>(ch);
            estimate += Advance(c);
            if (previous >= 0) estimate += Kerning(static_cast<unsigned char>(previous), c);
            previous = c;
        }
    };
    walk(text);
    walk(suffix_);
    if (estimate < widest_ - kMargin) return;
    if (estimate > widest_) {
        widest_ = estimate;
        // Drop the candidates that fell out of reach, now and then rather than on every rise.
        if (candidates_.size() > 64) {
            for (auto it = candidates_.begin(); it != candidates_.end();) {
                if (it->second.first < widest_ - kMargin)
                    it = candidates_.erase(it);
                else
                    ++it;
            }
        }
    }
    const auto bucket = static_cast<long long>(std::llround(estimate * 64));
    candidates_.try_emplace(bucket, estimate, std::string(text));
}

int WidestText::Width() const {
    int width = 0;
    for (const auto& [bucket, candidate] : candidates_) {
        if (candidate.first < widest_ - kMargin) continue;
        width = std::max(width, metrics_.horizontalAdvance(ToQt(candidate.second + suffix_)));
    }
    return width;
}
