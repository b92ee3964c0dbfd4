#pragma once
// The framework's callback interface: Execute(argument) answers whether the callback did its
// work. The default body stands for a callback without a target: it logs "Try to execute a non
// defined CallBack" at level 3 and answers false. Callbacks are owned by the lists that hold them
// (MCallBacks) and destroyed through the virtual destructor.
#include "core/MError.h"

template <class T>
class MCallBack {
public:
    virtual ~MCallBack() = default;

    virtual bool Execute(T argument) {
        MLOG(3, "Try to execute a non defined CallBack");
        return false;
    }

protected:
    MCallBack() = default;
};
