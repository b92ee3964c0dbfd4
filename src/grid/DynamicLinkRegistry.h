#pragma once
// The register of dynamic-filter links between grid windows, shared by every window it is given
// to: which column of which window (the owner) is filtered by the value that a column of another
// window (the supplier, found by its window title) shows for its selected row, and the current
// value of each link. Windows are named by their handles; the registry tells the windows about
// changes with their window messages (0x8037 to owners when values changed, 0x8039 when links
// went away, 0x803B then 0x803A to every window on a forced refresh). Not owned by the windows;
// it must outlive every window that holds it. GUI thread only.
#include <cstdint>
#include <string>
#include <vector>

#include "core/Key2ValueData.h"

class DynamicLinkRegistry {
public:
    virtual ~DynamicLinkRegistry() = default;

    // Registers the owner's column as filtered by the supplier's column; supplier receives the
    // window found by the title (0 when none). False, and nothing registered, for a link to the
    // owner itself or one the owner already has.
    virtual bool AddDynamicFilterLink(uint32_t owner, const std::string& ownerColumn, uint32_t& supplier,
                                      const std::string& supplierColumn,
                                      const std::string& supplierTitle) = 0;
    // Sends 0x8037 to the owner of every link.
    virtual void NotifyDynamicFilterOwners() = 0;
    // Stores a supplier's value for its column in every link it feeds; true when one changed.
    virtual bool UpdateDynamicFilterValue(uint32_t supplier, const std::string& supplierColumn,
                                          const std::string& value) = 0;
    // Empties every value the supplier feeds; true when one was not empty.
    virtual bool ClearDynamicFilterValues(uint32_t supplier) = 0;
    // The current value of the owner's link from that supplier column; false when it has none.
    virtual bool GetDynamicFilterValue(uint32_t owner, const std::string& supplierColumn,
                                       std::string& value) const = 0;
    // Appends (owner column, supplier title, supplier column) per link of the owner.
    virtual void ListDynamicFilterLinks(uint32_t owner, Key2ValueDataVector& list) const = 0;
    // The supplier columns of every link that the window feeds.
    virtual void GetLinkedColumns(uint32_t supplier, std::vector<std::string>& columns) const = 0;
    virtual bool IsDynamicFilterSupplier(uint32_t window) const = 0;
    // Drops the window's own links (with removeOwned), then sends 0x8039 to the window once per
    // dropped link and to the owner of every remaining link that the window feeds.
    virtual void RemoveDynamicFilterLinks(uint32_t window, bool removeOwned) = 0;
    // Asks every window to republish (0x803B), then to refresh its filters (0x803A).
    virtual void ForceRefreshAllGrids() = 0;
};
