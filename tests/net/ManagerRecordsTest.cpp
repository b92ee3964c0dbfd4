#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fields/MTitleFormat.h"
#include "net/MLinkMsgConnect.h"
#include "net/ManagerAreYouThereAck.h"
#include "net/ManagerHeartbeat.h"
#include "net/ManagerLogon.h"
#include "net/ManagerNotice.h"
#include "net/ManagerRefresh.h"
#include "net/ManagerRequestToBeMaster.h"

namespace {

template <class Record>
std::string Bytes(const Record& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof(record));
}

std::string Blanks(std::size_t n) {
    return std::string(n, ' ');
}

// A blank ManagerInfo: Host 50, 'I', BusinessState 20, CompileDate 20, WatchMonitorService 20,
// GatewayVersion 10, Application 40, GatewayName 40, Filler 10.
const std::string kBlankInfo = Blanks(50) + "I" + Blanks(160);

TEST(ManagerRecords, BytesAsBuilt) {
    const struct {
        const char* name;
        std::string actual;
        std::string expected;
    } cases[] = {
        {"header", Bytes(ManagerHeader()), "A" + Blanks(40)},
        {"refresh", Bytes(ManagerRefresh()), "R" + Blanks(40) + "I" + Blanks(20)},
        {"request", Bytes(ManagerRequestToBeMaster()), "M" + Blanks(40) + kBlankInfo},
        {"logon", Bytes(ManagerLogon()), "L" + Blanks(40) + kBlankInfo},
        {"are you there ack", Bytes(ManagerAreYouThereAck()), "a" + Blanks(50)},
        {"heartbeat short", Bytes(ManagerHeartbeat("GW1")), "HGW1" + Blanks(37)},
        {"heartbeat long", Bytes(ManagerHeartbeat(std::string(40, 'g') + "TAIL!")),
         "H" + std::string(40, 'g')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.actual, c.expected);
    }
    ASSERT_EQ(kBlankInfo.size(), 211u);

    const std::string notice = Bytes(ManagerNotice());
    ASSERT_EQ(notice.size(), 3042u);
    EXPECT_EQ(notice.substr(0, 42), "N" + Blanks(40) + std::string(1, '\0'));
}

TEST(ManagerRecords, FieldNameTables) {
    const auto titles = [](auto record) {
        MTitleFormat format;
        DescribeFieldTypes<decltype(record)>(format);
        std::string joined;
        for (const std::string& title : format.GetTitles()) joined += title + " ";
        return joined;
    };
    EXPECT_EQ(titles(ManagerRefresh()), "Header.MsgType Header.GatewayId TechnicalState BusinessState ");
    EXPECT_EQ(
        titles(ManagerRequestToBeMaster()),
        "Header.MsgType Header.GatewayId Info.Host Info.TechnicalState Info.BusinessState Info.CompileDate "
        "Info.WatchMonitorService Info.GatewayVersion Info.Application Info.GatewayName Info.Filler ");
}

TEST(LinkRecords, BytesAsBuiltAndNumbersClamped) {
    EXPECT_EQ(Bytes(MLinkMsgCommon()), "H000000000");
    EXPECT_EQ(Bytes(MLinkMsgConnect()), "H000000000000000000");
    const struct {
        int32_t number;
        const char* digits;
    } cases[] = {{0, "000000000"},          {1234, "000001234"},       {999999999, "999999999"},
                 {1000000000, "999999999"}, {2147483647, "999999999"}, {-5, "-00000005"},
                 {-99999999, "-99999999"},  {-100000000, "-99999999"}, {-2147483647 - 1, "-99999999"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        MLinkMsgConnect message;
        message.MsgType.Set(EnumLinkMsgType::Acknowledge);
        message.SetNumber(c.number);
        EXPECT_EQ(Bytes(message), std::string("A") + c.digits + "000000000");
    }
}

}  // namespace
