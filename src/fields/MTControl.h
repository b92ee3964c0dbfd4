#pragma once
// A value control: it shows one value of its owner (not owned; it must outlive the control) under
// its dotted name and assigns a new value from a text. T must offer ToString() and
// Assign(const std::string&), as MString does. Flag 0, no trigger.
#include <string>

#include "fields/MControl.h"
#include "fields/MDescFormat.h"

template <class T>
class MTControl : public MControl {
public:
    MTControl(T* target, std::string name) : MControl(std::move(name), 0, nullptr), target_(target) {}

    void Describe(MDescFormat& describer, const std::string& prefix) override {
        if (target_) describer.WriteText(GetDottedName(prefix), target_->ToString());
    }
    void SetValue(const std::string& text) override {
        if (target_) target_->Assign(text);
    }

private:
    T* target_;
};
