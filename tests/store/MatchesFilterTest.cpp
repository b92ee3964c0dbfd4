#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/ProcessClock.h"
#include "core/TimeUnits.h"
#include "fields/MInterfaceFormat.h"
#include "store/ColumnFilter.h"
#include "store/CommandHistory.h"
#include "store/TInterfaceViewData.h"

namespace {

// Columns of CommandHistory.
enum { kSequence = 0, kTime = 1, kAction = 2, kErrorCode = 5, kErrorMessage = 6, kDescription = 7 };

class MatchesFilterTest : public ::testing::Test {
protected:
    MatchesFilterTest() {
        row_.GetData()->SequenceNumber.SetValue(5);
        Set(kAction, "Add");
        Set(kDescription, "alpha beta");
        Set(kErrorCode, "6");
        Set(kErrorMessage, "alpha beta");
    }
    void Set(int column, const char* text) { row_.SetCellText(column, text); }
    void SetAge(int64_t minutes) {
        row_.GetData()->ExecutionTime.SetCount(ReadSystemClock() - minutes * 60 * kNanosecondsPerSecond);
    }
    bool Matches(const ColumnFilter& filter) const { return row_.MatchesFilter(filter); }

    CommandHistory source_;
    MInterfaceFormat format_;
    TInterfaceViewData<CommandHistory> row_{&source_, &format_};
};

ColumnFilter Filter(int column, int condition, std::string value = "") {
    ColumnFilter filter;
    filter.Column = column;
    filter.Condition = condition;
    filter.Value = std::move(value);
    return filter;
}

ColumnFilter Range(int column, std::string min, std::string max, bool minIncluded, bool maxIncluded) {
    ColumnFilter filter = Filter(column, 5);
    filter.MinValue = std::move(min);
    filter.MaxValue = std::move(max);
    filter.MinIncluded = minIncluded;
    filter.MaxIncluded = maxIncluded;
    return filter;
}

ColumnFilter List(int column, std::vector<std::string> values) {
    ColumnFilter filter = Filter(column, 2);
    filter.Values.assign(values.begin(), values.end());
    return filter;
}

ColumnFilter Contains(std::string value, bool matchAny, bool matchEmpty = false) {
    ColumnFilter filter = Filter(kDescription, 6, std::move(value));
    filter.MatchAny = matchAny;
    filter.MatchEmpty = matchEmpty;
    return filter;
}

ColumnFilter Negated(ColumnFilter filter) {
    filter.Negation = true;
    return filter;
}

TEST_F(MatchesFilterTest, TheFirstRowFillsTheFormatter) {
    EXPECT_EQ(format_.GetCount(), 8);
    CommandHistory other;
    TInterfaceViewData<CommandHistory> second(&other, &format_);
    EXPECT_EQ(format_.GetCount(), 8);
    EXPECT_EQ(second.GetData(), &second.RecordCopy);
}

TEST_F(MatchesFilterTest, EachConditionWithItsOperands) {
    struct Case {
        const char* name;
        ColumnFilter filter;
        bool expected;
    };
    const Case cases[] = {
        {"0 less", Filter(kSequence, 0, "6"), true},
        {"0 not less", Filter(kSequence, 0, "5"), false},
        {"0 negated", Negated(Filter(kSequence, 0, "6")), false},
        {"0 numbers, not texts", Filter(kSequence, 0, "10"), true},
        {"1 equal", Filter(kSequence, 1, "5"), true},
        {"1 greater", Filter(kSequence, 1, "4"), false},
        {"3 equal", Filter(kSequence, 3, "5"), true},
        {"3 less", Filter(kSequence, 3, "6"), false},
        {"4 greater", Filter(kSequence, 4, "4"), true},
        {"4 equal", Filter(kSequence, 4, "5"), false},
        {"4 enumeration by text", Filter(kAction, 4, "Aa"), true},
        {"5 low bound excluded", Range(kSequence, "5", "7", false, true), false},
        {"5 low bound included", Range(kSequence, "5", "7", true, false), true},
        {"5 high bound excluded", Range(kSequence, "3", "5", true, false), false},
        {"5 high bound included", Range(kSequence, "3", "5", false, true), true},
        {"5 one value", Range(kSequence, "5", "5", true, true), true},
        {"5 inside", Range(kSequence, "4", "6", false, false), true},
        {"2 in a sorted list", List(kDescription, {"a", "alpha beta", "z"}), true},
        {"2 exact case", List(kDescription, {"Alpha beta"}), false},
        {"2 number text", List(kSequence, {"4", "5"}), true},
        {"2 default list", ColumnFilter(), false},
        {"2 default negated", Negated(ColumnFilter()), true},
        {"6 contains", Contains("beta", true), true},
        {"6 missing", Contains("gamma", true), false},
        {"6 any of two", Contains("gamma;beta", true), true},
        {"6 all of two, one missing", Contains("gamma;beta", false), false},
        {"6 all of two", Contains("alpha;beta", false), true},
        {"6 final separator", Contains("beta;", false), true},
        {"6 final separator, missing", Contains("gamma;", true), false},
        {"6 empty operand", Contains("", true), false},
        {"6 case", Contains("Beta", true), false},
        {"7 any run then text", Filter(kDescription, 7, "\\*beta"), true},
        {"7 text inside runs", Filter(kDescription, 7, "\\*ha b\\*"), true},
        {"7 whole text", Filter(kDescription, 7, "alpha beta"), true},
        {"7 part of the text", Filter(kDescription, 7, "alpha"), false},
        {"7 one character", Filter(kDescription, 7, "alph\\. beta"), true},
        {"8 unknown", Filter(kSequence, 8, "6"), false},
        {"8 unknown negated", Negated(Filter(kSequence, 8, "6")), false},
        {"-1 unknown negated", Negated(Filter(kSequence, -1, "6")), false},
        {"column beyond the fields", Filter(8, 0, "6"), false},
        {"column beyond, negated", Negated(Filter(8, 0, "6")), false},
        {"column -1, negated", Negated(Filter(-1, 2)), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Matches(c.filter), c.expected);
    }
}

TEST_F(MatchesFilterTest, MatchEmptyPassesAnEmptyField) {
    Set(kDescription, "");
    EXPECT_TRUE(Matches(Contains("zzz", true, true)));
    EXPECT_TRUE(Matches(Contains("a;b", false, true)));
    EXPECT_FALSE(Matches(Contains("zzz", true, false)));
}

TEST_F(MatchesFilterTest, ColumnReferenceComparesWithAnotherFieldOfTheRow) {
    ColumnFilter less = Filter(kSequence, 0, "1");  // the value is ignored
    less.CompareColumn = true;
    less.CompareColumnIndex = kErrorCode;  // "6"
    EXPECT_TRUE(Matches(less));
    Set(kErrorCode, "5");
    EXPECT_FALSE(Matches(less));

    ColumnFilter equal = List(kDescription, {"nothing"});  // the list is ignored
    equal.CompareColumn = true;
    equal.CompareColumnIndex = kErrorMessage;
    EXPECT_TRUE(Matches(equal));
    Set(kErrorMessage, "alpha");
    EXPECT_FALSE(Matches(equal));

    equal.CompareColumnIndex = 8;  // not a field
    EXPECT_FALSE(Matches(equal));
    equal.Negation = true;
    EXPECT_FALSE(Matches(equal));
}

TEST_F(MatchesFilterTest, DeltaTimesCountBackFromNow) {
    ColumnFilter within = Filter(kTime, 0, "1:00:00");  // later than an hour ago: 0 became 4
    within.UseDeltaTime = true;
    ColumnFilter atMost = Filter(kTime, 1, "1:00:00");  // 1 became 3
    atMost.UseDeltaTime = true;
    ColumnFilter olderThan = Filter(kTime, 4, "1:00:00");  // 4 became 0
    olderThan.UseDeltaTime = true;
    ColumnFilter between = Range(kTime, "1:00:00", "2:00:00", true, true);
    between.UseDeltaTime = true;

    SetAge(30);
    EXPECT_TRUE(Matches(within));
    EXPECT_TRUE(Matches(atMost));
    EXPECT_FALSE(Matches(olderThan));
    EXPECT_FALSE(Matches(between));
    SetAge(90);
    EXPECT_FALSE(Matches(within));
    EXPECT_FALSE(Matches(atMost));
    EXPECT_TRUE(Matches(olderThan));
    EXPECT_TRUE(Matches(between));
    SetAge(150);
    EXPECT_FALSE(Matches(between));

    // A list condition takes the value text as it stands, at its sorted place.
    ColumnFilter list = List(kDescription, {"a", "b", "zeta"});
    list.Value = "alpha beta";
    list.UseDeltaTime = true;
    EXPECT_TRUE(Matches(list));
    EXPECT_EQ(list.Values.size(), 3u);  // the filter itself is not changed
}

}  // namespace
