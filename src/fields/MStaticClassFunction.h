#pragma once
// The name table of one describe level of a record type, for the type-level formats; not bound to
// any record. Built on the stack for one level; owns nothing.

class MStaticClassFunction {
public:
    virtual ~MStaticClassFunction() = default;

    virtual const char* GetFieldName(int index) const = 0;
    virtual const char* GetFieldTag(int index) const { return nullptr; }
};
