#pragma once
// The check of the title dialog's working map before it is handed back: walked in key order, the
// first entry whose title is empty, or equal (with case) to the title of a later entry of another
// column, fails.
#include <optional>
#include <string>

#include "grid/TitleMap.h"

class TitleValidation {
public:
    struct Failure {
        int column = 0;  // the entry's position in key order, from 1 (its grid column)
        std::string caption;
        std::string text;
    };
    static std::optional<Failure> Validate(const TitleMap& titles);
};
