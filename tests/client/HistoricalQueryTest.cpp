// The historical query rules without a window: the range limit by the firm list's text, the firm
// code and the preset item of the firm list, and the window title, description and request of a
// query by kind.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "brae/Brae_AR_HistoricalCommandHistoryAuditRequest.h"
#include "brae/Brae_HV_HistoricalAccountRequest.h"
#include "client/HistoricalGridKind.h"
#include "client/HistoricalQuery.h"

namespace {

FormDateTime Day(const char* text) {
    return HistoricalQuery::ParseDateText(text);
}

KVNEventManager::QuerySlot Slot(const char* start, const char* end, const char* firm) {
    KVNEventManager::QuerySlot slot;
    slot.StartDate = start;
    slot.EndDate = end;
    slot.Firm = firm;
    return slot;
}

}  // namespace

TEST(HistoricalQuery, TheRangeIsTooLongFromSixDaysForAllFirmsAndFromElevenOtherwise) {
    const struct {
        const char* firmText;
        const char* start;
        const char* end;
        bool tooLong;
    } cases[] = {
        {"0000 - All Firms", "20210104", "20210109", false},
        {"0000 - All Firms", "20210104", "20210110", true},
        {"NORTHWND", "20210104", "20210114", false},
        {"NORTHWND", "20210104", "20210115", true},
        {"", "20210104", "20210114", false},  // no firm list
        {"", "20210104", "20210115", true},
        // Whole days across a month and a leap day.
        {"", "20200225", "20200307", true},
        {"", "20200226", "20200307", false},
        {"", "20210110", "20210104", false},  // the end first: no warning
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.firmText) + " " + c.start + "-" + c.end);
        EXPECT_EQ(HistoricalQuery::IsRangeTooLong(Day(c.start), Day(c.end), c.firmText), c.tooLong);
    }
    EXPECT_EQ(HistoricalQuery::DaysBetween(Day("20201231"), Day("20210101")), 1);
    EXPECT_EQ(HistoricalQuery::DaysBetween(Day("20200228"), Day("20200301")), 2);
}

TEST(HistoricalQuery, TheFirmCodeIsBlankForAllFirmsElseTheFirstFourCharacters) {
    EXPECT_EQ(HistoricalQuery::FirmCode("0000 - All Firms"), "    ");
    EXPECT_EQ(HistoricalQuery::FirmCode(""), "    ");
    EXPECT_EQ(HistoricalQuery::FirmCode("NORTHWND"), "NORT");
    EXPECT_EQ(HistoricalQuery::FirmCode("AB"), "AB  ");
}

// Reopening after a one-firm query selects that firm again, although the code is only the first
// four characters of its name.
TEST(HistoricalQuery, APresetCodeSelectsTheItemOfThatCodeOrElseOfThoseFirstFourCharacters) {
    const std::vector<std::string> items = {"0000 - All Firms", "HARBOUR", "NORT", "NORTHWND", "NORTON"};
    const struct {
        const char* code;
        int item;
    } cases[] = {
        {"    ", 0}, {"", 0}, {"HARB", 1}, {"NORT", 2}, {"NORT    ", 2}, {"ZZZZ", -1}, {"0000", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(HistoricalQuery::FindFirmItem(items, c.code), c.item);
    }
    EXPECT_EQ(HistoricalQuery::FindFirmItem({"0000 - All Firms", "NORTHWND", "NORTON"}, "NORT"), 1);
    EXPECT_EQ(HistoricalQuery::FindFirmItem({}, "    "), -1);
}

TEST(HistoricalQuery, DatesAreReadAndWrittenAsEightDigits) {
    EXPECT_EQ(HistoricalQuery::DateText(FormDateTime::Date(2021, 1, 4)), "20210104");
    EXPECT_EQ(HistoricalQuery::ParseDateText("20210104"), FormDateTime::Date(2021, 1, 4));
    for (const char* bad : {"", "2021010", "2021O104", "20210231", "20211301", "        "})
        EXPECT_EQ(HistoricalQuery::ParseDateText(bad), FormDateTime{}) << bad;
}

TEST(HistoricalGridKind, TitleAndDescriptionFollowTheDayOrTheRangeAndTheFirmForASupervisor) {
    const HistoricalGridKind& accounts = *HistoricalGridKind::Of(ChildType::HistoricalAccounts);
    const HistoricalGridKind& commands = *HistoricalGridKind::Of(ChildType::HistoricalCommands);
    const struct {
        const HistoricalGridKind& kind;
        KVNEventManager::QuerySlot slot;
        bool supervisor;
        const char* title;
        const char* description;
    } cases[] = {
        {accounts, Slot("20210104", "20210104", "    "), false, "Historical Accounts 20210104",
         "Select Historical Accounts for 20210104"},
        {accounts, Slot("20210104", "20210108", "    "), false, "Historical Accounts 20210104-20210108",
         "Select Historical Accounts between 20210104 and 20210108"},
        {accounts, Slot("20210104", "20210104", "    "), true, "Historical Accounts 20210104",
         "Select Historical Accounts for 20210104 for ALL firms"},
        {commands, Slot("20210104", "20210108", "NORT"), true,
         "Historical Commands History 20210104-20210108",
         "Select Historical Command between 20210104 and 20210108 for firm NORT"},
        {commands, Slot("20210104", "20210104", "NORT"), false, "Historical Commands History 20210104",
         "Select Historical Command for 20210104"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description);
        EXPECT_EQ(HistoricalGridKind::WindowTitle(c.kind.BaseCaption, c.slot), c.title);
        EXPECT_EQ(c.kind.Description(c.slot, c.supervisor), c.description);
    }
    EXPECT_EQ(HistoricalGridKind::Of(ChildType::Positions), nullptr);
}

// The request after its 24-byte header: the user name (25), the two dates and the firm, which
// only a supervisor sends.
TEST(HistoricalGridKind, TheRequestCarriesTheUserTheDatesAndTheFirmOnlyForASupervisor) {
    const KVNEventManager::QuerySlot slot = Slot("20210104", "20210108", "NORT");
    Brae_HV_HistoricalAccountRequest supervisor;
    HistoricalGridKind::FillRequest(supervisor, "jsup", slot, true);
    Brae_AR_HistoricalCommandHistoryAuditRequest participant;
    HistoricalGridKind::FillRequest(participant, "part", slot, false);
    const char* bytes[] = {reinterpret_cast<const char*>(&supervisor),
                           reinterpret_cast<const char*>(&participant)};
    EXPECT_EQ(std::string(bytes[0], 2), "HV");
    EXPECT_EQ(std::string(bytes[0] + 24, 45), "jsup                     2021010420210108NORT");
    EXPECT_EQ(std::string(bytes[1], 2), "AR");
    EXPECT_EQ(std::string(bytes[1] + 24, 45), "part                     2021010420210108    ");
}
