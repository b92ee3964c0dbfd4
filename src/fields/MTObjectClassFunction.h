#pragma once
// The name table of record class X's own describe level, bound to the described record: field
// names and tags from X's field list (MFieldList.h). Lives on the describe routine's stack.
#include "fields/MFieldList.h"
#include "fields/MObjectClassFunction.h"

template <class X>
class MTObjectClassFunction : public MObjectClassFunction {
public:
    explicit MTObjectClassFunction(const X* record) : record_(record) {}

    const char* GetFieldName(int index) const override { return kFieldList<X>.GetName(index); }
    const char* GetFieldTag(int index) const override { return kFieldList<X>.GetTag(index); }
    const X* GetRecord() const { return record_; }

private:
    const X* record_;
};
