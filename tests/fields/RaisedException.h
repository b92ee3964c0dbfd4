#pragma once
// The code and text of the framework exception that a call raises: (0, "") when it raises none.
#include <string>
#include <utility>

#include "core/MException.h"

template <class F>
std::pair<int, std::string> Raised(F f) {
    try {
        f();
    } catch (const MException& e) {
        return {e.GetCode(), e.GetText()};
    }
    return {0, ""};
}
