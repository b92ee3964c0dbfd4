#pragma once
// A grid window's side of its dynamic-filter links: the filters of its view's dynamic set that it
// owns, and the values it supplies to other windows, kept in step with a link registry. Without a
// registry only Add's overwrite of an existing filter does anything. Messages to other windows go
// through the registry; the messages the window itself must send are handed back. A short-lived
// helper over the window's view and registry, which it does not own. No Qt.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "store/FilterEntry.h"

class DynamicLinkRegistry;
class InterfaceView;

class DynamicFilterLinks {
public:
    DynamicFilterLinks(InterfaceView& view, DynamicLinkRegistry* registry, uint32_t window);

    enum class Added { Nothing, Overwritten, Linked };
    // A filter of column by the supplier's column, with one empty value. A filter the column
    // already has is overwritten and nothing more; otherwise, with a registry, the link is
    // registered, the filter appended and supplier set to the window the registry found (0 when
    // none).
    Added Add(const std::string& column, const std::string& supplierTitle, const std::string& supplierColumn,
              uint32_t& supplier);
    // Gives the window every dynamic filter without an owner; with a registry, registers each
    // filter's link again and answers the suppliers found, once each, in filter order.
    std::vector<uint32_t> RegisterAgain();
    // Each filter takes the registry's current value of its link (none when it has no value).
    void TakeValues();
    // Stores the texts of displayed row `row` (from 1) of every column this window supplies;
    // when a stored value changed, the owners are told. Answers whether one changed.
    bool Publish(unsigned row);
    // Empties the values this window supplies; when one was not empty the owners are told.
    void EmptyPublished();
    // Removes the filters this window owns and has the registry drop its links; answers whether
    // a filter was removed.
    bool Clear();
    bool IsSupplier() const;
    // Whether this window supplies that field of its own to a link.
    bool Supplies(const std::string& column) const;
    // The window's links as the dynamic filter dialog lists them: ownerTitle gives the user title
    // of an own field, sourceTitle the title of a supplier's field (supplier title, field name).
    std::vector<FilterEntry> Entries(
        const std::function<std::string(const std::string& field)>& ownerTitle,
        const std::function<std::string(const std::string& supplier, const std::string& field)>& sourceTitle)
        const;

private:
    InterfaceView& view_;
    DynamicLinkRegistry* registry_;
    uint32_t window_;
};
