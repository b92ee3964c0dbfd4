#pragma once
// A control that stands for an operation (its trigger) rather than a value: it describes itself
// as one entry, prefix.name with the value "-", and ignores SetValue. Flag 0.
#include "fields/MControl.h"

class MControlFunction : public MControl {
public:
    MControlFunction(std::string name, MControlTrigger* trigger) : MControl(std::move(name), 0, trigger) {}

    void Describe(MDescFormat& describer, const std::string& prefix) override;
    void SetValue(const std::string& text) override {}
};
