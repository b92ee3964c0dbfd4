#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fields/MStringDepth.h"
#include "fields/MTStaticClassFunction.h"
#include "fields/MTStaticFunction.h"
#include "fields/MTitleFormat.h"
#include "support/FieldTestRecords.h"

namespace {

using Titles = std::vector<std::string>;

TEST(MStringDepth, SetLevelKeepsTheShallowerLevels) {
    MStringDepth path('.', 200);
    const struct {
        unsigned depth;
        const char* name;
        const char* text;
    } steps[] = {{0, "A", "A"}, {1, "B", "A.B"}, {2, "C", "A.B.C"}, {1, "E", "A.E"}, {0, "D", "D"}};
    for (const auto& step : steps) {
        path.SetLevel(step.depth, step.name);
        EXPECT_EQ(path.GetText(), step.text);
    }

    MStringDepth skipped('.', 0);
    skipped.SetLevel(1, "X");
    EXPECT_EQ(skipped.GetText(), "X");
    skipped.SetLevel(3, "Y");
    EXPECT_EQ(skipped.GetText(), "X.Y");
    skipped.Clear();
    EXPECT_EQ(skipped.GetText(), "");

    MStringDepth plain(0, 10);
    plain.SetLevel(0, "root");
    plain.SetLevel(1, "Field");
    EXPECT_EQ(plain.GetText(), "rootField");
}

TEST(MTitleFormat, CollectsTitlesInDescribeOrderWithVisibilityAndLongest) {
    MTitleFormat titles;
    DescribeFieldTypes<TestEntry>(titles);
    EXPECT_EQ(titles.GetTitles(), (Titles{"Group", "Flag", "Account", "Trader", "Master", "Name"}));
    EXPECT_EQ(titles.GetLongest(), 7);
    EXPECT_EQ(titles.GetTitleVisibility().size(), 6u);
    EXPECT_TRUE(titles.GetTitleVisibility().at("Master"));
    unsigned length = 0;
    EXPECT_STREQ(titles.GetTitle(2, &length), "Account");
    EXPECT_EQ(length, 7u);

    titles.Reset();
    EXPECT_TRUE(titles.GetTitles().empty());
    EXPECT_EQ(titles.GetLongest(), 0);
    DescribeFieldTypes<TestEntry>(titles);
    EXPECT_EQ(titles.GetTitles().size(), 6u);
}

TEST(MTitleFormat, NestedRecordsGiveDottedPaths) {
    MTitleFormat titles;
    DescribeFieldTypes<TestOuter>(titles);
    EXPECT_EQ(titles.GetTitles(), (Titles{"Mark", "Inner.Group", "Inner.Flag", "Tail"}));
    EXPECT_EQ(titles.GetLongest(), 11);
}

// Column i of the collector and title i are the same field.
TEST(MTitleFormat, TitlesMatchTheColumns) {
    MTitleFormat titles;
    DescribeFieldTypes<TestEntry>(titles);
    TestEntry prototype = MakeEntry("G", "A", "T", "N");
    ColumnCollector columns;
    DescribeFields(prototype, columns);
    ASSERT_EQ(columns.columns.size(), titles.GetTitles().size());
    EXPECT_EQ(columns.columns[2]->GetWidth(), 16);
    EXPECT_EQ(columns.columns[5]->GetWidth(), 24);
}

TEST(MTitleFormat, RepeatedPartsGetNoTitleAndKeepTheNameIndex) {
    MTitleFormat titles;
    MTStaticClassFunction<TestHeader> names;
    titles.BeginObject(names);
    ASSERT_TRUE(titles.NextField());
    FormatStaticField<SubAccount>(titles);
    titles.BeginArray(names);
    EXPECT_FALSE(titles.NextArrayItem());
    EXPECT_FALSE(titles.NextField());
    titles.EndArray();
    ASSERT_TRUE(titles.NextField());
    FormatStaticField<MChar>(titles);
    titles.EndObject();
    EXPECT_EQ(titles.GetTitles(), (Titles{"Group", "Flag"}));
}

TEST(MTitleFormat, SameTitleTwiceIsListedTwiceAndMappedOnce) {
    MTitleFormat titles;
    titles.AddTitle("Name");
    bool& visible = titles.AddTitle("Name");
    visible = false;
    EXPECT_EQ(titles.GetTitles().size(), 2u);
    EXPECT_EQ(titles.GetTitleVisibility().size(), 1u);
    EXPECT_FALSE(titles.GetTitleVisibility().at("Name"));
}

}  // namespace
