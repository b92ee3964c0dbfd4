#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/MException.h"
#include "fields/DescribeFields.h"
#include "fields/MDateText.h"
#include "fields/MMsgFormat.h"
#include "fields/MTObjectFunction.h"
#include "fields/MTimeText.h"
#include "support/TimeTestSupport.h"

namespace {

struct DatedRow {
    MDateYYYYMMDD Date;
    MTimeHHMMSS Time;

    static constexpr auto Fields() {
        using S = DatedRow;
        return MFields(MField("Date", &S::Date), MField("Time", &S::Time));
    }
};

DatedRow Row(const char* date, const char* time) {
    DatedRow row;
    row.Date.SetText(date);
    row.Time.SetText(time);
    return row;
}

class Columns : public MObjectFormat {
public:
    Columns() : MObjectFormat(true) {}
    void ProcessField(MObjectFunction& field) override { columns.push_back(field.CreateInterface()); }
    std::vector<std::unique_ptr<MInterface>> columns;
};

// Column descriptors over a prototype row, made relative.
class DatedColumns : public ::testing::Test {
protected:
    void SetUp() override {
        DatedRow prototype;
        DescribeFields(prototype, collector_);
        for (auto& column : collector_.columns) column->MakeRelative(&prototype);
    }
    MInterface& DateColumn() { return *collector_.columns[0]; }
    MInterface& TimeColumn() { return *collector_.columns[1]; }
    // The rows kept by a condition, by their date and time texts.
    template <class Keep>
    std::vector<std::string> Kept(const std::vector<DatedRow>& rows, Keep keep) {
        std::vector<std::string> kept;
        for (const DatedRow& row : rows) {
            if (keep(&row)) kept.push_back(row.Date.ToString() + "|" + row.Time.ToString());
        }
        return kept;
    }

    Columns collector_;
};

TEST(MDateText, StoresCharactersAsTheyCome) {
    MDateYYYYMMDD date;
    EXPECT_EQ(date.ToString(), "        ");
    EXPECT_TRUE(date.IsNull());
    date.SetText("2021");
    EXPECT_EQ(date.ToString(), "2021    ");
    EXPECT_FALSE(date.IsNull());
    date.SetText(nullptr);
    EXPECT_EQ(date.ToString(), "2021    ");
    date.SetText("2021130199");
    EXPECT_EQ(date.ToString(), "20211301");
    EXPECT_EQ(date.GetYear(), 2021);
    EXPECT_EQ(date.GetMonth(), 13);
    EXPECT_EQ(date.GetDay(), 1);
    date.SetText(" 1 2");
    EXPECT_TRUE(date.IsNull());
    EXPECT_EQ(date.GetYear(), 102);
    EXPECT_EQ(MDateYYYYMMDD::GetWidth(), 8);
    EXPECT_STREQ(MDateYYYYMMDD::GetTypeName(), "MDateText<8,4,0,2,4,6,MDate,32,MValAccept>");
    EXPECT_STREQ(MTimeHHMMSS::GetTypeName(), "MTimeText<6,0,2,4,3,32,MValAccept>");
}

TEST(MDateText, ComparesBytesWithNullFirst) {
    MDateYYYYMMDD null;
    MDateYYYYMMDD otherNull;
    MDateYYYYMMDD epoch;
    epoch.SetText("19700101");
    EXPECT_TRUE(null.IsLess(epoch));
    EXPECT_TRUE(null.IsEqual(otherNull));
    EXPECT_TRUE(epoch.IsGreaterOrEqual(null));
    EXPECT_FALSE(epoch.IsLessOrEqual(null));
    EXPECT_EQ(MDateYYYYMMDD::CheckText(nullptr), std::string("No argument specified!"));
    EXPECT_EQ(MDateYYYYMMDD::CheckText("not a date at all"), nullptr);
    EXPECT_EQ(MTimeHHMMSS::CheckText(nullptr), std::string("No argument specified!"));
    EXPECT_EQ(MTimeHHMMSS::CheckText("99:99"), nullptr);
}

TEST(MDateText, ConvertsWithTheDateClass) {
    const char* zones[] = {kZoneUtc, kZoneNewYork, kZoneBerlin};
    for (const char* zone : zones) {
        SCOPED_TRACE(zone);
        ScopedTimeZone tz(zone);
        const MDateYYYYMMDD fromDate{MDate("2021/03/04")};
        EXPECT_EQ(fromDate.ToString(), "20210304");
        EXPECT_EQ(fromDate.GetDate().GetCount(), LocalCount(2021, 3, 4));
        EXPECT_EQ(fromDate.GetSeconds(), LocalCount(2021, 3, 4) / kSecond);
        const MTimeParts t = fromDate.GetTm();
        EXPECT_EQ(t.tm_year, 121);
        EXPECT_EQ(t.tm_mon, 2);
        EXPECT_EQ(t.tm_mday, 4);
        EXPECT_EQ(t.tm_isdst, 0);

        const MDateYYYYMMDD null;
        EXPECT_EQ(null.GetTm().tm_mday, 0);
        EXPECT_EQ(null.GetTm().tm_year, 0);
        EXPECT_EQ(null.GetSeconds(), 0);

        // Operands are read as dates.
        EXPECT_EQ(MDateYYYYMMDD(std::string("2021/3/4")).ToString(), "20210304");
        EXPECT_EQ(MDateYYYYMMDD(std::string("20210304")).ToString(), "20210304");
    }
}

TEST_F(DatedColumns, DateFiltersReadTheirOperandsAsDates) {
    ScopedTimeZone tz(kZoneNewYork);
    ScopedNow now(LocalCount(2021, 3, 4, 23, 30));
    const std::vector<DatedRow> rows = {Row("20210303", "093000"), Row("20210304", "120000"),
                                        Row("20210305", "000000"), Row("", ""), Row("20211301", "235959")};
    MInterface& date = DateColumn();
    EXPECT_EQ(date.GetKind(), MInterface::kString);
    EXPECT_EQ(date.GetWidth(), 8);
    EXPECT_EQ(date.GetEditMask(), "");
    EXPECT_EQ(Kept(rows, [&](const DatedRow* r) { return date.IsGreaterText(r, "n"); }),
              (std::vector<std::string>{"20210305|000000", "20211301|235959"}));
    EXPECT_EQ(Kept(rows, [&](const DatedRow* r) { return date.IsLessOrEqualText(r, "2021/03/04"); }),
              (std::vector<std::string>{"20210303|093000", "20210304|120000", "        |      "}));
    EXPECT_EQ(
        Kept(rows, [&](const DatedRow* r) { return date.IsInRange(r, "20210304", "n+000001", true, true); }),
        (std::vector<std::string>{"20210304|120000"}));
    EXPECT_EQ(Kept(rows, [&](const DatedRow* r) { return date.ContainsText(r, "1301", false); }),
              (std::vector<std::string>{"20211301|235959"}));
    EXPECT_TRUE(date.IsLess(&rows[3], &rows[0]));
    int length = -1;
    EXPECT_STREQ(std::string(date.GetText(&rows[3], &length)).c_str(), "        ");
    EXPECT_EQ(length, 8);
}

TEST_F(DatedColumns, TimeFiltersReadTheirOperandsAsTimes) {
    ScopedTimeZone tz(kZoneBerlin);
    ScopedNow now(LocalCount(2021, 3, 4, 12, 0, 0));
    const std::vector<DatedRow> rows = {Row("20210303", "093000"), Row("20210304", "092959"),
                                        Row("20210305", "120000"), Row("20210306", "")};
    MInterface& time = TimeColumn();
    EXPECT_EQ(time.GetKind(), MInterface::kString);
    EXPECT_EQ(time.GetWidth(), 6);
    const char* operands[] = {"09:30:00", "093000", "9:30"};
    for (const char* operand : operands) {
        SCOPED_TRACE(operand);
        EXPECT_EQ(Kept(rows, [&](const DatedRow* r) { return time.IsGreaterOrEqualText(r, operand); }),
                  (std::vector<std::string>{"20210303|093000", "20210305|120000"}));
    }
    EXPECT_EQ(Kept(rows, [&](const DatedRow* r) { return time.IsLessText(r, "n"); }),
              (std::vector<std::string>{"20210303|093000", "20210304|092959", "20210306|      "}));
    // The null operand is 0000-1, before every time but after the null field.
    EXPECT_EQ(MTimeHHMMSS(std::string("-")).ToString(), "0000-1");
    EXPECT_EQ(Kept(rows, [&](const DatedRow* r) { return time.IsGreaterText(r, "-"); }),
              (std::vector<std::string>{"20210303|093000", "20210304|092959", "20210305|120000"}));
}

TEST(MTimeText, StoresAndWritesTimes) {
    MTimeHHMMSS time;
    EXPECT_TRUE(time.IsNull());
    time.SetText("0930");
    EXPECT_EQ(time.ToString(), "0930  ");
    time.SetText("1234567");
    EXPECT_EQ(time.ToString(), "123456");
    const MTimeTimePoint point("07:08:09.5");
    EXPECT_EQ(MTimeHHMMSS(point).ToString(), "070809");
    time.SetText("ab");
    time.WriteTime(point);
    EXPECT_EQ(time.ToString(), "070809");
    EXPECT_EQ(MTimeHHMMSS::GetWidth(), 6);
}

TEST(MDateText, BinderAndMonitorForms) {
    DatedRow row = Row("2021", "0930");
    MTObjectFunction<MDateYYYYMMDD> dateBinder(&row.Date);
    MTObjectFunction<MTimeHHMMSS> timeBinder(&row.Time);
    int length = -1;
    bool terminated = true;
    const char* text = dateBinder.GetText(&length, &terminated);
    EXPECT_EQ(text, row.Date.GetChars());
    EXPECT_EQ(length, 4);
    EXPECT_FALSE(terminated);
    timeBinder.GetText(&length, &terminated);
    EXPECT_EQ(length, 4);
    dateBinder.SetText("20210304junk", 8, false);
    EXPECT_EQ(row.Date.ToString(), "20210304");
    dateBinder.SetText("202103", 4, false);
    EXPECT_EQ(row.Date.ToString(), "2021    ");
    dateBinder.SetText("x", -3, false);
    EXPECT_TRUE(row.Date.IsNull());

    row = Row("20210304", "0930");
    char buffer[14];
    MMsgFormat writer(buffer, sizeof buffer, true);
    DescribeFields(row, writer);
    ASSERT_EQ(writer.GetOffset(), 14);
    EXPECT_EQ(std::string(buffer, 14), "202103040930  ");

    DatedRow back;
    MMsgFormat reader(buffer, 14, false);
    DescribeFields(back, reader);
    EXPECT_TRUE(back.Date.IsEqual(row.Date));
    EXPECT_TRUE(back.Time.IsEqual(row.Time));

    // Fewer bytes than the width: "Message is too short", the value unchanged.
    MMsgFormat shortReader(buffer, 12, false);
    shortReader.Skip(8);
    try {
        back.Time.ReadFixed(shortReader);
        ADD_FAILURE() << "no exception";
    } catch (const MException& e) {
        EXPECT_EQ(std::string(e.GetText()), "Message is too short");
    }
    EXPECT_EQ(back.Time.ToString(), "0930  ");
}

}  // namespace
