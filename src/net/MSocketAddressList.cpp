#include "net/MSocketAddressList.h"

#include <algorithm>
#include <ostream>

#include "core/MError.h"
#include "core/MTrace.h"
#include "fields/MDateTimeTraits.h"
#include "fields/MTTimePoint.h"

namespace {

std::string CurrentTimeText() {
    return MTTimePoint<MGlobalDateTimeClock, MDateTimeTraits>().ToString('/', ':');
}

}  // namespace

MSocketAddressList::MSocketAddressList(const MIpHostList& hosts, const MIpServiceList& services,
                                       const HostRetryCountList* counts) {
    if (hosts.size() != services.size()) {
        MLOG(2, "SocketAddressList number of host [%i] does not match number of service [%i].",
             static_cast<int>(hosts.size()), static_cast<int>(services.size()));
    }
    const std::size_t n = std::min(hosts.size(), services.size());
    for (std::size_t i = 0; i < n; ++i) {
        MSocketAddress address;
        address.InitFromHostService(services[i], MSocketAddress::kTcp, &hosts[i]);
        uint32_t count = 1;
        if (counts && !counts->empty()) count = (*counts)[std::min(i, counts->size() - 1)].GetValue();
        Add(address, count);
    }
}

void MSocketAddressList::Add(const MSocketAddress& address, uint32_t retryCount) {
    addresses_.push_back(address);
    if (retryCount == 0) retryCount = addresses_.size() == 1 ? 3 : 1;
    counts_.push_back(HostRetryCount(retryCount));
    if (GetTraceLevel() > 0) {
        GetTraceStream() << "Added address [" << addresses_.size() << "] to list: " << address.ToText()
                         << '\n';
    }
}

MSocketAddress& MSocketAddressList::GetCurrent() {
    const uint32_t n = static_cast<uint32_t>(addresses_.size());
    if (n == 0) {
        MLOG(2, "SocketAddressList is empty, no address to connect to");
        none_ = MSocketAddress();
        return none_;
    }
    if (n == 1) return addresses_[0];
    const char* step;
    if (attempts_ < counts_[current_].GetValue()) {
        ++attempts_;
        step = attempts_ == 1 ? "Activate" : "Retry";
    } else {
        if (current_ != alternate_ || alternate_ == 0) {
            alternate_ = alternate_ + 1 >= n ? 1 : alternate_ + 1;
            current_ = alternate_;
        } else {
            current_ = 0;
        }
        attempts_ = 0;
        step = "Switch";
    }
    MSocketAddress& address = addresses_[current_];
    if (IsTraceEnabled(5, 2048)) {
        std::ostream& trace = GetTraceStream();
        if (step[0] == 'R') {
            trace << "Retry address [" << attempts_ << "/" << counts_[current_].GetValue() << "]: ";
        } else {
            trace << (step[0] == 'S' ? "Switch to" : step) << " address: ";
        }
        trace << address.ToText() << " at: " << CurrentTimeText() << '\n';
    }
    return address;
}

uint32_t MSocketAddressList::OnConnected() {
    Reset();
    return EnableReports();
}

uint32_t MSocketAddressList::EnableReports() {
    for (MSocketAddress& address : addresses_) address.SetReport(true);
    return static_cast<uint32_t>(addresses_.size());
}

void MSocketAddressList::Reset() {
    current_ = 0;
    alternate_ = 0;
    attempts_ = 0;
}
