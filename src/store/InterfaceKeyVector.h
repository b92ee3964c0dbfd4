#pragma once
// A list of row keys in the order they were pushed (duplicates kept). A plain value.
#include <vector>

#include "store/BaseKey.h"

class InterfaceKeyVector : public std::vector<BaseKey> {};
