#pragma once
// A named control of a framework event: it describes its state into a describer under a dotted
// name (the owner's prefix, '.', its own name) and, for value controls, takes a new value from a
// text. It may point to a trigger (not owned). Owned by the control view whose list holds it.
#include <cstdint>
#include <string>
#include <utility>

class MControlTrigger;
class MDescFormat;

class MControl {
public:
    MControl(std::string name, uint8_t flag, MControlTrigger* trigger)
        : name_(std::move(name)), flag_(flag), trigger_(trigger) {}
    virtual ~MControl() = default;
    MControl(const MControl&) = delete;
    MControl& operator=(const MControl&) = delete;

    virtual void Describe(MDescFormat& describer, const std::string& prefix) = 0;
    virtual void SetValue(const std::string& text) = 0;

    const std::string& GetName() const { return name_; }
    uint8_t GetFlag() const { return flag_; }
    MControlTrigger* GetTrigger() const { return trigger_; }

protected:
    // prefix + "." + the control's name.
    std::string GetDottedName(const std::string& prefix) const;

private:
    std::string name_;
    uint8_t flag_;
    MControlTrigger* trigger_;
};
