#pragma once
// One entry of a settings list split by BaseIniFile::ReadKeyList: a key text. A plain value that
// owns its text; copying copies it.
#include <string>
#include <utility>
#include <vector>

struct KeyData {
    explicit KeyData(std::string key) : Key(std::move(key)) {}

    std::string Key;
};

using KeyDataVector = std::vector<KeyData>;
