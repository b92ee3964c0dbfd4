#include "session/EventManager.h"

#include <cstdlib>

#include "core/BaseIniFile.h"
#include "core/CalendarConversion.h"
#include "core/IniFileLocation.h"
#include "core/MError.h"
#include "core/ProcessClock.h"
#include "toolkit/MessageRouter.h"

EventManager::EventManager() {
    RegisterErrorPublisher(&publisher_);
    LogTestClockSettings();
    startTime_ = ReadCurrentTime();
}

// Members go in reverse order: the log, the publisher (which uninstalls itself), the loop, the
// links and the window list.
EventManager::~EventManager() = default;

bool EventManager::HandleText(const char*) {
    return false;
}

void EventManager::ShutDown() {
    closing_ = true;
    Disconnect();
}

void EventManager::AddGridWindow(uint32_t window) {
    for (uint32_t known : gridWindows_)
        if (known == window) return;
    gridWindows_.push_back(window);
    RegisterGridClient(window);
}

bool EventManager::RemoveGridWindow(uint32_t window) {
    const bool wasClosing = closing_;
    closing_ = true;
    bool found = false;
    for (auto it = gridWindows_.begin(); it != gridWindows_.end(); ++it) {
        if (*it != window) continue;
        gridWindows_.erase(it);
        UnregisterGridClient(window);
        found = true;
        break;
    }
    closing_ = wasClosing;
    return found;
}

void EventManager::ForceRefreshAllGrids() {
    // Copies: a window may register or leave while it handles the message.
    for (uint32_t window : std::vector<uint32_t>(gridWindows_))
        MessageRouter::SendMessage(window, kForceRefreshBegin, 0, 0);
    for (uint32_t window : std::vector<uint32_t>(gridWindows_))
        MessageRouter::SendMessage(window, kForceRefreshEnd, 0, 0);
}

bool EventManager::FindWindowByTitle(const std::string& title, uint32_t& window) const {
    for (uint32_t known : gridWindows_) {
        if (MessageRouter::WindowTitle(known).substr(0, 256) != title) continue;
        window = known;
        return true;
    }
    window = 0;
    return false;
}

bool EventManager::ReadServerAddresses(MIpServiceList& services, MIpHostList& hosts, bool logErrors,
                                       const std::string& portKey, const std::string& hostKey,
                                       const std::string& section, const std::string& settingsFileName,
                                       const std::string& applicationName) {
    std::string path;
    LocateIniFile(applicationName, settingsFileName, path, "IniFile");
    KeyDataVector hostList;
    KeyDataVector portList;
    {
        BaseIniFile settings(path);
        settings.ReadKeyList(section, hostKey, ",", hostList);
        settings.ReadKeyList(section, portKey, ",", portList);
    }
    for (const KeyData& port : portList) services.push_back(MIpService(port.Key.c_str()));
    for (const KeyData& host : hostList) hosts.push_back(MIpHost(host.Key.c_str()));
    if (!hostList.empty() && !portList.empty()) {
        if (hostList.size() == portList.size()) return true;
        if (logErrors)
            MLOG(LOG_ERROR, "%s",
                 ("The lists of host names (" + hostKey + ") and its comm ports (" + portKey +
                  ") are not matching")
                     .c_str());
        return false;
    }
    if (logErrors)
        MLOG(LOG_ERROR, "%s",
             ("The valid list of host names (" + hostKey + ") and/or a list of its comm ports (" + portKey +
              ") are not provided")
                 .c_str());
    return false;
}

void EventManager::LogTestClockSettings() {
    for (const char* name : {"VARN_EXEC_MODE", "VARN_TIME_OVERWRITE_DATE", "VARN_DELTA_TIME_SECONDS"}) {
        const char* value = std::getenv(name);
        if (value) MLOG(LOG_INFO, "Time travel variable %s=%s", name, value);
    }
    MLOG(LOG_INFO, "Time Zone setting : %s", DescribeTimeZone().c_str());
}

bool EventManager::AddDynamicFilterLink(uint32_t owner, const std::string& ownerColumn, uint32_t& supplier,
                                        const std::string& supplierColumn, const std::string& supplierTitle) {
    FindWindowByTitle(supplierTitle, supplier);
    if (supplier == owner) return false;
    DynamicFilterData link{owner, ownerColumn, supplier, supplierTitle, supplierColumn, ""};
    auto& ownerLinks = links_[owner];
    if (!ownerLinks) ownerLinks = std::make_unique<std::vector<DynamicFilterData>>();
    for (const DynamicFilterData& known : *ownerLinks)
        if (known.OwnerColumn == ownerColumn && known.SupplierTitle == supplierTitle &&
            known.SupplierColumn == supplierColumn)
            return false;
    ownerLinks->push_back(std::move(link));
    return true;
}

void EventManager::NotifyDynamicFilterOwners() {
    std::vector<uint32_t> owners;
    for (const auto& [owner, ownerLinks] : links_)
        for (const DynamicFilterData& link : *ownerLinks) owners.push_back(link.OwnerWindow);
    for (uint32_t owner : owners) MessageRouter::SendMessage(owner, kDynamicFilterChanged, 0, 0);
}

bool EventManager::UpdateDynamicFilterValue(uint32_t supplier, const std::string& supplierColumn,
                                            const std::string& value) {
    bool changed = false;
    for (auto& [owner, ownerLinks] : links_)
        for (DynamicFilterData& link : *ownerLinks)
            if (link.SupplierWindow == supplier && link.SupplierColumn == supplierColumn &&
                link.CurrentValue != value) {
                link.CurrentValue = value;
                changed = true;
            }
    return changed;
}

bool EventManager::ClearDynamicFilterValues(uint32_t supplier) {
    bool changed = false;
    for (auto& [owner, ownerLinks] : links_)
        for (DynamicFilterData& link : *ownerLinks)
            if (link.SupplierWindow == supplier && !link.CurrentValue.empty()) {
                link.CurrentValue.clear();
                changed = true;
            }
    return changed;
}

bool EventManager::GetDynamicFilterValue(uint32_t owner, const std::string& supplierColumn,
                                         std::string& value) const {
    const auto found = links_.find(owner);
    if (found == links_.end()) return false;
    bool any = false;
    for (const DynamicFilterData& link : *found->second)
        if (link.SupplierColumn == supplierColumn) {
            value = link.CurrentValue;
            any = true;
        }
    return any;
}

void EventManager::ListDynamicFilterLinks(uint32_t owner, Key2ValueDataVector& list) const {
    const auto found = links_.find(owner);
    if (found == links_.end()) return;
    for (const DynamicFilterData& link : *found->second)
        list.emplace_back(link.OwnerColumn, link.SupplierTitle, link.SupplierColumn);
}

void EventManager::GetLinkedColumns(uint32_t supplier, std::vector<std::string>& columns) const {
    columns.clear();
    for (const auto& [owner, ownerLinks] : links_)
        for (const DynamicFilterData& link : *ownerLinks)
            if (link.SupplierWindow == supplier) columns.push_back(link.SupplierColumn);
}

bool EventManager::IsDynamicFilterSupplier(uint32_t window) const {
    for (const auto& [owner, ownerLinks] : links_)
        for (const DynamicFilterData& link : *ownerLinks)
            if (link.SupplierWindow == window) return true;
    return false;
}

void EventManager::RemoveDynamicFilterLinks(uint32_t window, bool removeOwned) {
    std::vector<uint32_t> noted;
    if (removeOwned) {
        const auto found = links_.find(window);
        if (found != links_.end()) {
            noted.insert(noted.end(), found->second->size(), window);
            links_.erase(found);
        }
    }
    for (const auto& [owner, ownerLinks] : links_)
        for (const DynamicFilterData& link : *ownerLinks)
            if (link.SupplierWindow == window) noted.push_back(link.OwnerWindow);
    for (uint32_t owner : noted) MessageRouter::SendMessage(owner, kDynamicFilterRemoved, 0, 0);
}
