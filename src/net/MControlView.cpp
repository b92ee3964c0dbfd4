#include "net/MControlView.h"

#include <map>

#include "core/MError.h"

namespace {

struct Registry {
    std::map<std::string, MControlView*> views;
    int32_t duplicates = 0;
};

Registry& GetRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

MControlView::~MControlView() {
    Unregister();
}

void MControlView::SetName(const std::string& name) {
    Unregister();
    name_ = name;
    Register();
}

void MControlView::AddControl(MControl* control) {
    if (control) controls_.emplace_back(control);
}

MControl* MControlView::FindControl(const std::string& name) const {
    for (const std::unique_ptr<MControl>& control : controls_) {
        if (control->GetName() == name) return control.get();
    }
    return nullptr;
}

MControlView* MControlView::FindRegistered(const std::string& name) {
    const auto found = GetRegistry().views.find(name);
    return found == GetRegistry().views.end() ? nullptr : found->second;
}

int32_t MControlView::GetDuplicateCounter() {
    return GetRegistry().duplicates;
}

void MControlView::Register() {
    Registry& registry = GetRegistry();
    if (registry.views.count(name_)) {
        // Wraps like the original's counter would, in defined arithmetic.
        registry.duplicates = static_cast<int32_t>(static_cast<uint32_t>(registry.duplicates) + 1u);
        name_ += std::to_string(registry.duplicates);
    }
    if (registry.views.emplace(name_, this).second) {
        registered_ = 1;
    } else {
        MLOG(3, "Duplicate control %s", name_.c_str());
    }
}

void MControlView::Unregister() {
    if (!registered_) return;
    registered_ = 0;
    GetRegistry().views.erase(name_);
}
