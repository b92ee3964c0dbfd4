#pragma once
// One entry of a settings list split by BaseIniFile::ReadKey1ValueList: a key with one value. A
// plain value that owns its texts; copying copies them, base part first.
#include <string>
#include <vector>

#include "core/KeyData.h"

struct Key1ValueData : KeyData {
    Key1ValueData(std::string key, std::string value) : KeyData(std::move(key)), Value(std::move(value)) {}

    std::string Value;
};

using Key1ValueDataVector = std::vector<Key1ValueData>;
