#include <gtest/gtest.h>

#include <string>

#include "store/ColumnFilter.h"
#include "store/FilterData.h"
#include "store/ParseRangeBound.h"
#include "store/TitleProperty.h"

namespace {

TEST(ColumnFilter, ResetValuesClearsTheOperandsAndKeepsTheColumnConditionAndNegation) {
    ColumnFilter filter;
    filter.Column = 4;
    filter.OwnerWindow = 9;
    filter.LinkWindowTitle = "Accounts";
    filter.LinkColumnName = "AccountId";
    filter.ColumnName = "Name";
    filter.Condition = 5;
    filter.Negation = true;
    filter.Value = "x";
    filter.MatchEmpty = true;
    filter.MinValue = "10";
    filter.MaxValue = "20";
    filter.MinIncluded = filter.MaxIncluded = true;
    filter.Values = {"a"};
    filter.CompareColumn = true;
    filter.CompareColumnName = "City";
    filter.CompareColumnIndex = 7;
    filter.UseDeltaTime = true;
    filter.MatchAny = false;
    filter.DialogColumnItem = 3;

    filter.ResetValues();
    EXPECT_EQ(filter.Column, 4);
    EXPECT_EQ(filter.ColumnName, "Name");
    EXPECT_EQ(filter.Condition, 5);
    EXPECT_TRUE(filter.Negation);
    EXPECT_EQ(filter.CompareColumnIndex, 7);
    EXPECT_EQ(filter.OwnerWindow, 0);
    EXPECT_EQ(filter.LinkWindowTitle + filter.LinkColumnName + filter.Value + filter.MinValue +
                  filter.MaxValue + filter.CompareColumnName,
              "");
    EXPECT_FALSE(filter.MatchEmpty || filter.MinIncluded || filter.MaxIncluded || filter.CompareColumn ||
                 filter.UseDeltaTime);
    EXPECT_TRUE(filter.Values.empty());
    EXPECT_TRUE(filter.MatchAny);
    EXPECT_EQ(filter.DialogColumnItem, 0);
}

TEST(ColumnFilter, DefaultsAndAlerts) {
    const ColumnFilter filter;
    EXPECT_EQ(filter.Column, 0);
    EXPECT_EQ(filter.Condition, 2);
    EXPECT_TRUE(filter.MatchAny);
    EXPECT_FALSE(filter.Negation || filter.UseDeltaTime || filter.CompareColumn);

    FilterData set;
    EXPECT_FALSE(set.IsAlertEnabled());
    set.IsPopupAlertEnabled() = true;
    EXPECT_TRUE(set.IsAlertEnabled());

    const TitleProperty title;
    EXPECT_EQ(title.BackgroundColor, -16777211);  // 0xFF000005
    EXPECT_EQ(title.ForegroundColor, -16777208);  // 0xFF000008
    EXPECT_EQ(title.Title, "");
}

TEST(ParseRangeBound, ReadsOneBoundFromTheFront) {
    struct Case {
        std::string text;
        bool result;
        std::string bound;
        bool included;
        std::string rest;
    };
    const Case cases[] = {
        {"<10>{20}", true, "10", true, "{20}"},
        {"{20}", true, "20", false, ""},
        {"<>", true, "", true, ""},
        {"{a>b}c", true, "a>b", false, "c"},
        {"10>", false, "old", true, "10>"},
        {"", false, "old", true, ""},
        {"<10", false, "old", true, "<10"},
        {"{10>", false, "old", true, "{10>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string text = c.text;
        std::string bound = "old";
        bool included = true;
        EXPECT_EQ(ParseRangeBound(text, included, bound), c.result);
        EXPECT_EQ(bound, c.bound);
        EXPECT_EQ(included, c.included);
        EXPECT_EQ(text, c.rest);
    }
}

}  // namespace
