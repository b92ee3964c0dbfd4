#pragma once
// A control that lets an object describe itself (a message vector, for instance) under the
// control's dotted name: T must offer Describe(MDescFormat&, const std::string& name). The object
// is not owned and must outlive the control. SetValue does nothing. Flag 0.
#include "fields/MControl.h"

template <class T>
class MTControlFunction : public MControl {
public:
    MTControlFunction(T* target, std::string name, MControlTrigger* trigger)
        : MControl(std::move(name), 0, trigger), target_(target) {}

    void Describe(MDescFormat& describer, const std::string& prefix) override {
        if (target_) target_->Describe(describer, GetDottedName(prefix));
    }
    void SetValue(const std::string& text) override {}

private:
    T* target_;
};
