#pragma once
// What the command history says about one command: its action and business item, and the start
// of its description. Unless the text is complete, the command's own detail (its account number,
// report date and the like) is appended to it when the command is sent. Passed by value.
#include <string>

#include "fields/CommandEnumerations.h"

struct CommandDescription {
    EnumActionType Action = EnumActionType::Unknown;
    EnumBusinessItemType BusinessItem = EnumBusinessItemType{};
    std::string Text;
    bool TextComplete = false;
};
