#include "store/ParseRangeBound.h"

bool ParseRangeBound(std::string& text, bool& included, std::string& bound) {
    if (text.empty() || (text[0] != '<' && text[0] != '{')) return false;
    const bool isIncluded = text[0] == '<';
    const std::size_t close = text.find(isIncluded ? '>' : '}', 1);
    if (close == std::string::npos) return false;
    bound = text.substr(1, close - 1);
    included = isIncluded;
    text.erase(0, close + 1);
    return true;
}
