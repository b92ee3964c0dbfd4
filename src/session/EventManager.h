#pragma once
// The GUI side of one server session, whatever its protocol: the event loop the session's events
// run in, the publisher that turns logged lines into the communication log, the registered grid
// windows, the dynamic-filter links between them, the server's address lists from the settings
// file, and a start-up report of the test clock. It is the link registry that grid windows may
// be given. The protocol lives in the derived session
// manager. GUI thread only; window messages go out synchronously through the message router.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/Key2ValueData.h"
#include "fields/GUIErrorDetailsVector.h"
#include "fields/MGUIPublishError.h"
#include "grid/DynamicLinkRegistry.h"
#include "net/MEventMediatorLegacy.h"
#include "net/MSocketAddress.h"
#include "session/DynamicFilterData.h"

class EventManager : public DynamicLinkRegistry {
public:
    // Window messages to grid windows.
    static constexpr uint32_t kDynamicFilterChanged = 0x8037;
    static constexpr uint32_t kDynamicFilterRemoved = 0x8039;
    static constexpr uint32_t kForceRefreshEnd = 0x803A;
    static constexpr uint32_t kForceRefreshBegin = 0x803B;

    EventManager();
    ~EventManager() override;
    EventManager(const EventManager&) = delete;
    EventManager& operator=(const EventManager&) = delete;

    virtual bool Connect() = 0;
    virtual void RegisterGridClient(uint32_t window) = 0;
    virtual void Disconnect() = 0;
    virtual void UnregisterGridClient(uint32_t window) = 0;
    virtual void ProcessEvents() = 0;
    virtual void CollectErrors() = 0;
    virtual bool HandleText(const char* text);

    void ShutDown();
    GUIErrorDetailsVector& GetErrorDetails() { return errorDetails_; }

    void AddGridWindow(uint32_t window);
    bool RemoveGridWindow(uint32_t window);
    const std::vector<uint32_t>& GetGridWindows() const { return gridWindows_; }
    void ForceRefreshAllGrids() override;
    // The first registered window whose title is exactly title, else 0.
    bool FindWindowByTitle(const std::string& title, uint32_t& window) const;

    // Reads the comma-separated lists hostKey and portKey of section from the settings file that
    // LocateIniFile finds; true when both are non-empty and of one length.
    bool ReadServerAddresses(MIpServiceList& services, MIpHostList& hosts, bool logErrors,
                             const std::string& portKey, const std::string& hostKey,
                             const std::string& section, const std::string& settingsFileName,
                             const std::string& applicationName);
    void LogTestClockSettings();

    // The link registry (DynamicLinkRegistry).
    bool AddDynamicFilterLink(uint32_t owner, const std::string& ownerColumn, uint32_t& supplier,
                              const std::string& supplierColumn, const std::string& supplierTitle) override;
    void NotifyDynamicFilterOwners() override;
    bool UpdateDynamicFilterValue(uint32_t supplier, const std::string& supplierColumn,
                                  const std::string& value) override;
    bool ClearDynamicFilterValues(uint32_t supplier) override;
    bool GetDynamicFilterValue(uint32_t owner, const std::string& supplierColumn,
                               std::string& value) const override;
    void ListDynamicFilterLinks(uint32_t owner, Key2ValueDataVector& list) const override;
    void GetLinkedColumns(uint32_t supplier, std::vector<std::string>& columns) const override;
    bool IsDynamicFilterSupplier(uint32_t window) const override;
    void RemoveDynamicFilterLinks(uint32_t window, bool removeOwned) override;

    bool IsClosing() const { return closing_; }
    bool IsSetUp() const { return setUp_; }
    int64_t GetStartTime() const { return startTime_; }

protected:
    MEventMediatorLegacy& GetMediator() { return mediator_; }
    MGUIPublishError& GetPublisher() { return publisher_; }
    void SetSetUp(bool setUp) { setUp_ = setUp; }

private:
    std::vector<uint32_t> gridWindows_;
    std::map<uint32_t, std::unique_ptr<std::vector<DynamicFilterData>>> links_;
    MEventMediatorLegacy mediator_;
    MGUIPublishError publisher_;
    GUIErrorDetailsVector errorDetails_;
    int64_t startTime_ = 0;
    bool closing_ = false;
    bool setUp_ = false;
};
