#pragma once
// The keyed view of one record type, given at construction the type's titles (its class
// description), its dump file name (display name + ".dump") and the identity column order
// (titles + 1 entries). The column formatter stays empty until the first row fills it.
#include <string>

#include "store/TInterfaceViewBase.h"

template <class T, class K = BaseKey, class R = TInterfaceViewData<T>>
class TInterfaceView : public TInterfaceViewBase<T, K, R> {
public:
    TInterfaceView() {
        T::DescribeClass(this->TitleFormat);
        this->DumpFileName = std::string(T::GetDisplayName()) + ".dump";
        this->FilterNegation = false;
        this->InitColumnOrder(static_cast<int>(this->TitleFormat.GetTitles().size()) + 1);
    }
    ~TInterfaceView() override = default;
};
