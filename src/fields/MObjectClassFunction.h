#pragma once
// The name table of one describe level of a record, as a format sees it: the name, the name's
// length and the numeric tag of field i of that level. Built on the stack by the describe routine
// for one level; owns nothing.

class MObjectClassFunction {
public:
    virtual ~MObjectClassFunction() = default;

    virtual const char* GetFieldName(int index) const = 0;
    // 0 unless the table offers name lengths.
    virtual int GetFieldNameLength(int index) const { return 0; }
    // Null for a class without tags and for a field without a tag.
    virtual const char* GetFieldTag(int index) const { return nullptr; }
    virtual int GetFieldTagLength(int index) const { return 0; }
};
