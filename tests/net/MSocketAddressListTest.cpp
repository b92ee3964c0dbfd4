#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/MSocketAddressList.h"
#include "support/LogRecorder.h"
#include "support/TraceCapture.h"

namespace {

MSocketAddressList MakeList(std::vector<const char*> services, const HostRetryCountList* counts = nullptr,
                            std::size_t hostCount = 0) {
    MIpHostList hosts;
    MIpServiceList serviceList;
    for (std::size_t i = 0; i < (hostCount ? hostCount : services.size()); ++i)
        hosts.push_back(MIpHost("127.0.0.1"));
    for (const char* service : services) serviceList.push_back(MIpService(service));
    return MSocketAddressList(hosts, serviceList, counts);
}

// The ports of the next n attempts.
std::vector<int> Attempts(MSocketAddressList& list, int n) {
    std::vector<int> ports;
    for (int i = 0; i < n; ++i) ports.push_back(list.GetCurrent().GetPort());
    return ports;
}

TEST(MSocketAddressList, AttemptsAlternateBetweenHomeAndEachOtherAddress) {
    MSocketAddressList three = MakeList({"7000", "7001", "7002"});
    EXPECT_EQ(Attempts(three, 15), (std::vector<int>{7000, 7001, 7001, 7000, 7000, 7002, 7002, 7000, 7000,
                                                     7001, 7001, 7000, 7000, 7002, 7002}));
    MSocketAddressList two = MakeList({"7000", "7001"});
    EXPECT_EQ(Attempts(two, 8), (std::vector<int>{7000, 7001, 7001, 7000, 7000, 7001, 7001, 7000}));
    MSocketAddressList one = MakeList({"7000"});
    EXPECT_EQ(Attempts(one, 3), (std::vector<int>{7000, 7000, 7000}));
}

TEST(MSocketAddressList, ASuccessStartsTheNextRoundAtHome) {
    MSocketAddressList list = MakeList({"7000", "7001", "7002"});
    Attempts(list, 6);  // the sixth attempt goes to 7002
    list[2].SetReport(false);
    EXPECT_EQ(list.OnConnected(), 3u);
    EXPECT_TRUE(list[2].GetReport());
    EXPECT_EQ(Attempts(list, 3), (std::vector<int>{7000, 7001, 7001}));
}

TEST(MSocketAddressList, EachStepIsTracedWithItsText) {
    TraceCapture trace;
    SetTraceLevel(5);
    SetTraceMask(0x1800);
    MSocketAddressList list = MakeList({"7000", "7001"});
    Attempts(list, 3);
    const std::string text = trace.Text();
    EXPECT_NE(text.find("Activate address: 127.0.0.1/7000/tcp at: "), std::string::npos) << text;
    EXPECT_NE(text.find("Switch to address: 127.0.0.1/7001/tcp at: "), std::string::npos) << text;
    EXPECT_EQ(text.find("Switch address"), std::string::npos) << text;
}

struct CountCase {
    const char* name;
    std::vector<uint32_t> given;
    bool none;
    std::vector<uint32_t> stored;
};

TEST(MSocketAddressList, RetryCounts) {
    const CountCase cases[] = {
        {"none", {}, true, {1, 1, 1}},
        {"empty", {}, false, {1, 1, 1}},
        {"one for all", {2}, false, {2, 2, 2}},
        {"zero", {0, 0, 5}, false, {3, 1, 5}},
        {"above 98", {150, 99, 98}, false, {99, 99, 98}},
        {"last repeats", {4, 6}, false, {4, 6, 6}},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.name);
        HostRetryCountList counts;
        for (uint32_t v : c.given) counts.push_back(HostRetryCount(v));
        MSocketAddressList list = MakeList({"7000", "7001", "7002"}, c.none ? nullptr : &counts);
        ASSERT_EQ(list.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(list.GetRetryCount(i), c.stored[i]);
    }
    HostRetryCountList two;
    two.push_back(HostRetryCount(2));
    MSocketAddressList list = MakeList({"7000", "7001"}, &two);
    EXPECT_EQ(Attempts(list, 7), (std::vector<int>{7000, 7000, 7001, 7001, 7001, 7000, 7000}));
}

TEST(MSocketAddressList, ListsOfDifferentLengthsAreLoggedAndCut) {
    LogRecorder log;
    MSocketAddressList list = MakeList({"7000", "7001"}, nullptr, 3);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_TRUE(log.Has(2, "SocketAddressList number of host [3] does not match number of service [2]."));
}

TEST(MSocketAddressList, EnableReportsAndAnEmptyList) {
    MSocketAddressList list = MakeList({"7000", "7001"});
    list[0].SetReport(false);
    list[1].SetReport(false);
    EXPECT_EQ(list.EnableReports(), 2u);
    EXPECT_TRUE(list[0].GetReport() && list[1].GetReport());

    LogRecorder log;
    MSocketAddressList empty = MakeList({});
    EXPECT_TRUE(empty.GetCurrent().IsEmpty());
    EXPECT_TRUE(log.Has(2, "SocketAddressList is empty"));
}

}  // namespace
