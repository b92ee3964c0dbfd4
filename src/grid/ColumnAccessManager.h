#pragma once
// Tells a grid window whose column values may be modified, by field name. A window may be given
// one (it does not own it); without one no column of the window may be modified.
#include <string>

class ColumnAccessManager {
public:
    virtual ~ColumnAccessManager() = default;
    virtual bool IsModifiable(const std::string& fieldName) const = 0;
};
