#pragma once
// A named view: a name kept unique in one process-wide registry and a list of named controls
// that the view owns. A name already taken gets the decimal value of one duplicate counter, shared
// by all names, appended; a name still taken after that is logged ("Duplicate control %s", level
// 3) and the view works on unregistered. GUI thread only: the registry is not guarded.
#include <cstdint>
#include <list>
#include <memory>
#include <string>

#include "fields/MControl.h"

class MControlView {
public:
    MControlView() = default;
    virtual ~MControlView();
    MControlView(const MControlView&) = delete;
    MControlView& operator=(const MControlView&) = delete;

    // Unregisters the old name, stores the new one and registers it.
    virtual void SetName(const std::string& name);

    // Takes ownership; a null control is ignored.
    void AddControl(MControl* control);

    const std::string& GetName() const { return name_; }
    bool IsRegistered() const { return registered_ != 0; }
    const std::list<std::unique_ptr<MControl>>& GetControls() const { return controls_; }
    // The control of that name, or null.
    MControl* FindControl(const std::string& name) const;

    // The view registered under name, or null.
    static MControlView* FindRegistered(const std::string& name);
    // The duplicate counter (0 until a name is taken twice).
    static int32_t GetDuplicateCounter();

private:
    void Register();
    void Unregister();

    std::string name_;
    std::list<std::unique_ptr<MControl>> controls_;
    uint8_t registered_ = 0;
};
