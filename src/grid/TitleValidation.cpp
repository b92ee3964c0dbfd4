#include "grid/TitleValidation.h"

std::optional<TitleValidation::Failure> TitleValidation::Validate(const TitleMap& titles) {
    int column = 0;
    for (auto entry = titles.begin(); entry != titles.end(); ++entry) {
        ++column;
        const std::string caption = entry->first + " - User Title Validation";
        const std::string& title = entry->second.Title;
        if (title.empty()) return Failure{column, caption, "The title you have provided cannot be empty."};
        for (auto later = std::next(entry); later != titles.end(); ++later) {
            if (later->first != entry->first && later->second.Title == title)
                return Failure{column, caption,
                               "The title you have provided is already defined for: " + later->first};
        }
    }
    return std::nullopt;
}
