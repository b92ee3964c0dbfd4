#pragma once
// The ordered server addresses of an outgoing connection and the choice of the address for each
// attempt: the first address is home; each address gets its retry count of attempts in a row;
// then the list alternates between home and each other address in turn (A0, A1, A1, A0, A0, A2,
// A2, A0, ... with counts of 1). A success starts the next round at home. A plain value: the
// connection event keeps its own copy.
#include <cstdint>

#include "fields/MIntX.h"
#include "net/MSocketAddress.h"
#include "net/MVector.h"

using HostRetryCountList = MVector<HostRetryCount>;

class MSocketAddressList {
public:
    // Host i with service i, for the shorter of both lists (different lengths are logged). The
    // retry count of address i is counts[i], the last count beyond the end of counts, 1 without
    // counts; a count of 0 becomes 3 for the first address and 1 for the others.
    MSocketAddressList(const MIpHostList& hosts, const MIpServiceList& services,
                       const HostRetryCountList* counts);

    void Add(const MSocketAddress& address, uint32_t retryCount);
    // The address for the next attempt; each call counts one attempt or one switch. An empty
    // list answers an empty address (logged).
    MSocketAddress& GetCurrent();
    // After a successful attempt: counters back to 0 and every report flag on; the number of
    // addresses.
    uint32_t OnConnected();
    // Every report flag on; the number of addresses.
    uint32_t EnableReports();
    void Reset();

    std::size_t size() const { return addresses_.size(); }
    bool empty() const { return addresses_.empty(); }
    MSocketAddress& operator[](std::size_t i) { return addresses_[i]; }
    const MSocketAddress& operator[](std::size_t i) const { return addresses_[i]; }
    uint32_t GetRetryCount(std::size_t i) const { return counts_[i].GetValue(); }
    uint32_t GetCurrentIndex() const { return current_; }

private:
    HostAddressList addresses_;
    HostRetryCountList counts_;
    uint32_t current_ = 0;
    uint32_t alternate_ = 0;
    uint32_t attempts_ = 0;
    MSocketAddress none_;
};
