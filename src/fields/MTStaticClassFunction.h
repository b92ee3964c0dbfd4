#pragma once
// The name table of record class X's own describe level for the type-level formats: field names
// and tags from X's field list; bound to no record.
#include "fields/MFieldList.h"
#include "fields/MStaticClassFunction.h"

template <class X>
class MTStaticClassFunction : public MStaticClassFunction {
public:
    const char* GetFieldName(int index) const override { return kFieldList<X>.GetName(index); }
    const char* GetFieldTag(int index) const override { return kFieldList<X>.GetTag(index); }
};
