#include <gtest/gtest.h>

#include "SessionTestSupport.h"
#include "session/EventManager.h"
#include "support/LogRecorder.h"
#include "support/ScopedEnvironment.h"

namespace {

class TestEventManager : public EventManager {
public:
    bool Connect() override { return true; }
    void RegisterGridClient(uint32_t window) override { registered.push_back(window); }
    void Disconnect() override { ++disconnects; }
    void UnregisterGridClient(uint32_t window) override {
        unregistered.push_back(window);
        closingSeen = IsClosing();
    }
    void ProcessEvents() override {}
    void CollectErrors() override { GetPublisher().TakeErrors(GetErrorDetails()); }

    std::vector<uint32_t> registered;
    std::vector<uint32_t> unregistered;
    int disconnects = 0;
    bool closingSeen = false;
};

std::vector<std::string> Texts(const GUIErrorDetailsVector& log) {
    std::vector<std::string> texts;
    for (const GUIErrorDetails& entry : log) texts.push_back(entry.GetText());
    return texts;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

TEST(EventManagerTest, PublishesLoggedLinesToTheCommunicationLogInOrder) {
    ScopedEnvironment environment;
    environment.Set("VARN_EXEC_MODE", nullptr);
    environment.Set("VARN_TIME_OVERWRITE_DATE", nullptr);
    environment.Set("VARN_DELTA_TIME_SECONDS", nullptr);
    TestEventManager manager;
    MLOG(LOG_WARNING, "first");
    MLOG(LOG_ERROR, "second");
    manager.CollectErrors();
    const auto texts = Texts(manager.GetErrorDetails());
    ASSERT_EQ(texts.size(), 3u);  // the time-zone line alone, then both lines
    EXPECT_NE(texts[0].find("[INFO]Time Zone setting : Environment variable TZ set to '"), std::string::npos);
    EXPECT_TRUE(EndsWith(texts[1], "[WARNING]first"));
    EXPECT_TRUE(EndsWith(texts[2], "[ERROR]second"));
}

TEST(EventManagerTest, LeavesAnInstalledReceiverInPlace) {
    LogRecorder log;
    {
        TestEventManager manager;
        MLOG(LOG_ERROR, "kept");
        manager.CollectErrors();
        EXPECT_TRUE(manager.GetErrorDetails().empty());
    }
    EXPECT_TRUE(log.Has(LOG_ERROR, "kept"));
}

TEST(EventManagerTest, ReportsEachSetTestClockVariable) {
    ScopedEnvironment environment;
    environment.Set("VARN_EXEC_MODE", "TEST");
    environment.Set("VARN_TIME_OVERWRITE_DATE", nullptr);
    environment.Set("VARN_DELTA_TIME_SECONDS", "0");
    LogRecorder log;
    TestEventManager manager;
    ASSERT_EQ(log.messages.size(), 3u);
    EXPECT_EQ(log.messages[0].text, "Time travel variable VARN_EXEC_MODE=TEST");
    EXPECT_EQ(log.messages[1].text, "Time travel variable VARN_DELTA_TIME_SECONDS=0");
    EXPECT_EQ(log.messages[2].text.rfind("Time Zone setting : ", 0), 0u);
    for (const auto& message : log.messages) EXPECT_EQ(message.level, LOG_INFO);
}

TEST(EventManagerTest, ReadsServerAddressesOnlyFromMatchingLists) {
    const std::string notMatching =
        "The lists of host names (HostNameList) and its comm ports (PortList) are not matching";
    const std::string notProvided =
        "The valid list of host names (HostNameList) and/or a list of its comm ports (PortList) are not "
        "provided";
    struct Case {
        const char* settings;
        bool result;
        std::size_t addresses;
        std::string error;
    } const cases[] = {
        {"[Config]\nHostNameList=127.0.0.1,127.0.0.2\nPortList=7001,7002\n", true, 2, ""},
        {"[Config]\nHostNameList=127.0.0.1\nPortList=7001\n", true, 1, ""},
        {"[Config]\nHostNameList=127.0.0.1,127.0.0.2\nPortList=7001\n", false, 0, notMatching},
        {"[Config]\nHostNameList=127.0.0.1\nPortList=\n", false, 0, notProvided},
        {"[Config]\nPortList=7001\n", false, 0, notProvided},
        {"", false, 0, notProvided},
    };
    for (const Case& c : cases) {
        SettingsDirectory directory;
        directory.Write(c.settings);
        LogRecorder log;
        TestEventManager manager;
        MIpServiceList services;
        MIpHostList hosts;
        EXPECT_EQ(manager.ReadServerAddresses(services, hosts, true, "PortList", "HostNameList", "Config",
                                              "Korvane.ini", "Korvane"),
                  c.result)
            << c.settings;
        if (c.result) {
            ASSERT_EQ(hosts.size(), c.addresses);
            ASSERT_EQ(services.size(), c.addresses);
            EXPECT_EQ(services.back().ToString(), c.addresses == 2 ? "7002" : "7001");
        } else {
            EXPECT_TRUE(log.Has(LOG_ERROR, c.error)) << c.settings;
        }
    }
}

TEST(EventManagerTest, RegistersEachGridWindowOnce) {
    std::vector<ReceivedWindowMessage> received;
    RecordingWindow a("A", received), b("B", received);
    TestEventManager manager;
    manager.AddGridWindow(a.Handle());
    manager.AddGridWindow(b.Handle());
    manager.AddGridWindow(a.Handle());
    EXPECT_EQ(manager.GetGridWindows(), (std::vector<uint32_t>{a.Handle(), b.Handle()}));
    EXPECT_EQ(manager.registered, (std::vector<uint32_t>{a.Handle(), b.Handle()}));

    EXPECT_TRUE(manager.RemoveGridWindow(a.Handle()));
    EXPECT_TRUE(manager.closingSeen);
    EXPECT_FALSE(manager.IsClosing());
    EXPECT_FALSE(manager.RemoveGridWindow(a.Handle()));
    EXPECT_EQ(manager.unregistered, std::vector<uint32_t>{a.Handle()});
}

TEST(EventManagerTest, RemovingAWindowAfterShutDownKeepsTheSessionClosed) {
    std::vector<ReceivedWindowMessage> received;
    RecordingWindow a("A", received);
    TestEventManager manager;
    manager.AddGridWindow(a.Handle());
    manager.ShutDown();
    EXPECT_EQ(manager.disconnects, 1);
    EXPECT_TRUE(manager.RemoveGridWindow(a.Handle()));
    EXPECT_TRUE(manager.IsClosing());
}

TEST(EventManagerTest, ForceRefreshSendsBothMessagesInListOrder) {
    std::vector<ReceivedWindowMessage> received;
    RecordingWindow a("A", received), b("B", received);
    TestEventManager manager;
    manager.AddGridWindow(b.Handle());
    manager.AddGridWindow(a.Handle());
    manager.ForceRefreshAllGrids();
    EXPECT_EQ(received,
              (std::vector<ReceivedWindowMessage>{
                  {b.Handle(), 0x803B}, {a.Handle(), 0x803B}, {b.Handle(), 0x803A}, {a.Handle(), 0x803A}}));
}

TEST(EventManagerTest, FindsTheFirstWindowWithTheExactTitle) {
    std::vector<ReceivedWindowMessage> received;
    RecordingWindow a("Accounts", received), b("Accounts 2", received), c("Accounts", received);
    TestEventManager manager;
    for (const auto* window : {&b, &a, &c}) manager.AddGridWindow(window->Handle());
    uint32_t found = 99;
    EXPECT_TRUE(manager.FindWindowByTitle("Accounts", found));
    EXPECT_EQ(found, a.Handle());
    EXPECT_FALSE(manager.FindWindowByTitle("accounts", found));
    EXPECT_EQ(found, 0u);
}

struct DynamicFilterLinkTest : ::testing::Test {
    DynamicFilterLinkTest() {
        for (const auto* window : {&owner, &supplier, &other}) manager.AddGridWindow(window->Handle());
    }
    bool Link(const RecordingWindow& from, const char* column, const char* title,
              const char* supplierColumn) {
        uint32_t found = 0;
        return manager.AddDynamicFilterLink(from.Handle(), column, found, supplierColumn, title);
    }
    std::vector<ReceivedWindowMessage> received;
    RecordingWindow owner{"Owner", received}, supplier{"Supplier", received}, other{"Other", received};
    TestEventManager manager;
};

TEST_F(DynamicFilterLinkTest, RefusesSelfLinksAndDuplicates) {
    EXPECT_FALSE(Link(owner, "Account", "Owner", "Account"));
    EXPECT_TRUE(Link(owner, "Account", "Supplier", "Account"));
    EXPECT_FALSE(Link(owner, "Account", "Supplier", "Account"));
    EXPECT_TRUE(Link(owner, "Account", "Supplier", "Master"));
    EXPECT_TRUE(Link(owner, "Firm", "Nobody", "Firm"));  // a link without supplier window
    Key2ValueDataVector list;
    manager.ListDynamicFilterLinks(owner.Handle(), list);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1].Key + "|" + list[1].Value + "|" + list[1].SecondValue, "Account|Supplier|Master");
    EXPECT_TRUE(manager.IsDynamicFilterSupplier(supplier.Handle()));
    EXPECT_FALSE(manager.IsDynamicFilterSupplier(owner.Handle()));
    std::vector<std::string> columns{"stale"};
    manager.GetLinkedColumns(supplier.Handle(), columns);
    EXPECT_EQ(columns, (std::vector<std::string>{"Account", "Master"}));
}

TEST_F(DynamicFilterLinkTest, NotifiesOwnersOncePerLink) {
    Link(owner, "Account", "Supplier", "Account");
    Link(owner, "Account", "Supplier", "Master");
    Link(other, "Account", "Supplier", "Account");
    manager.NotifyDynamicFilterOwners();
    const uint32_t first = std::min(owner.Handle(), other.Handle()),
                   second = std::max(owner.Handle(), other.Handle());
    const std::vector<ReceivedWindowMessage> expected =
        first == owner.Handle()
            ? std::vector<ReceivedWindowMessage>{{first, 0x8037}, {first, 0x8037}, {second, 0x8037}}
            : std::vector<ReceivedWindowMessage>{{first, 0x8037}, {second, 0x8037}, {second, 0x8037}};
    EXPECT_EQ(received, expected);
}

TEST_F(DynamicFilterLinkTest, CarriesValuesFromSupplierToOwner) {
    Link(owner, "Account", "Supplier", "Account");
    Link(other, "Account", "Supplier", "Account");
    std::string value = "untouched";
    EXPECT_FALSE(manager.GetDynamicFilterValue(owner.Handle(), "Master", value));
    EXPECT_FALSE(manager.GetDynamicFilterValue(supplier.Handle(), "Account", value));
    EXPECT_EQ(value, "untouched");
    EXPECT_TRUE(manager.UpdateDynamicFilterValue(supplier.Handle(), "Account", "A1"));
    EXPECT_FALSE(manager.UpdateDynamicFilterValue(supplier.Handle(), "Account", "A1"));
    EXPECT_FALSE(manager.UpdateDynamicFilterValue(supplier.Handle(), "Master", "A2"));
    EXPECT_TRUE(manager.GetDynamicFilterValue(other.Handle(), "Account", value));
    EXPECT_EQ(value, "A1");
    EXPECT_TRUE(manager.ClearDynamicFilterValues(supplier.Handle()));
    EXPECT_FALSE(manager.ClearDynamicFilterValues(supplier.Handle()));
    EXPECT_TRUE(manager.GetDynamicFilterValue(owner.Handle(), "Account", value));
    EXPECT_EQ(value, "");
}

TEST_F(DynamicFilterLinkTest, RemovalNotifiesOwnersOfLinksToTheWindow) {
    Link(owner, "Account", "Supplier", "Account");
    Link(owner, "Firm", "Other", "Firm");
    Link(other, "Account", "Supplier", "Account");
    Link(supplier, "Account", "Other", "Account");

    manager.RemoveDynamicFilterLinks(other.Handle(), false);  // supplies owner and supplier, owns one
    EXPECT_EQ(received.size(), 2u);
    received.clear();

    manager.RemoveDynamicFilterLinks(owner.Handle(), true);  // owns two, supplies none
    EXPECT_EQ(received,
              (std::vector<ReceivedWindowMessage>{{owner.Handle(), 0x8039}, {owner.Handle(), 0x8039}}));
    Key2ValueDataVector list;
    manager.ListDynamicFilterLinks(owner.Handle(), list);
    EXPECT_TRUE(list.empty());
    received.clear();

    manager.RemoveDynamicFilterLinks(supplier.Handle(), true);  // owns one, supplies other's link
    EXPECT_EQ(received,
              (std::vector<ReceivedWindowMessage>{{supplier.Handle(), 0x8039}, {other.Handle(), 0x8039}}));
}
