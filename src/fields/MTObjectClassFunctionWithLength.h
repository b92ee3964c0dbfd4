#pragma once
// The name table of record class X's own describe level, bound to the described record, that also
// answers the lengths of the names and tags. Lives on the describe routine's stack.
#include "fields/MFieldList.h"
#include "fields/MObjectClassFunction.h"

template <class X>
class MTObjectClassFunctionWithLength : public MObjectClassFunction {
public:
    explicit MTObjectClassFunctionWithLength(const X* record) : record_(record) {}

    const char* GetFieldName(int index) const override { return kFieldList<X>.GetName(index); }
    int GetFieldNameLength(int index) const override { return kFieldList<X>.GetNameLength(index); }
    const char* GetFieldTag(int index) const override { return kFieldList<X>.GetTag(index); }
    int GetFieldTagLength(int index) const override {
        const char* tag = kFieldList<X>.GetTag(index);
        return field_list_detail::Length(tag);
    }
    const X* GetRecord() const { return record_; }

private:
    const X* record_;
};
