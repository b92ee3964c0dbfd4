#pragma once
// One entry of a settings list split by BaseIniFile::ReadKey2ValueList: a key with two values. A
// plain value that owns its texts; copying copies them, base part first.
#include <string>
#include <vector>

#include "core/Key1ValueData.h"

struct Key2ValueData : Key1ValueData {
    Key2ValueData(std::string key, std::string value, std::string secondValue)
        : Key1ValueData(std::move(key), std::move(value)), SecondValue(std::move(secondValue)) {}

    std::string SecondValue;
};

using Key2ValueDataVector = std::vector<Key2ValueData>;
