#include "core/MBaseArgument.h"

#include <algorithm>

MBaseArgument::MBaseArgument(char letter, std::string description, bool required, bool takesValue)
    : letter_(letter), description_(std::move(description)), required_(required), takesValue_(takesValue) {
    GetArgumentRegistry().push_back(this);
}

MBaseArgument::~MBaseArgument() {
    std::vector<MBaseArgument*>& registry = GetArgumentRegistry();
    registry.erase(std::remove(registry.begin(), registry.end(), this), registry.end());
}

std::vector<MBaseArgument*>& GetArgumentRegistry() {
    static std::vector<MBaseArgument*> registry;
    return registry;
}
