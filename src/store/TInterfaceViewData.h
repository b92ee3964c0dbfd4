#pragma once
// One row of a view: its own copy of a record and the reference part pointing at it. The copy
// and the data store's record are independent until SetData copies the record in again. Not
// copyable (the reference part points into the row itself).
#include "store/TInterfaceViewDataRef.h"

template <class T>
class TInterfaceViewData : public TInterfaceViewDataRef<T> {
public:
    TInterfaceViewData(const T* source, MInterfaceFormat* format)
        : TInterfaceViewDataRef<T>(format), RecordCopy(*source) {
        this->SetRecord(&RecordCopy);
    }
    TInterfaceViewData(const TInterfaceViewData&) = delete;
    TInterfaceViewData& operator=(const TInterfaceViewData&) = delete;

    void SetData(const T* source) { RecordCopy = *source; }

    T RecordCopy;
};
