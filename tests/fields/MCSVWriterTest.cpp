#include <gtest/gtest.h>

#include <string>

#include "TestValueTypes.h"
#include "fields/MCSVReader.h"
#include "fields/MCSVWriter.h"
#include "support/FieldTestRecords.h"

namespace {

struct Line {
    MatchNumber Text;
    SubAccount Blank;
    TestNumber Number;

    static constexpr auto Fields() {
        return MFields(MField("Text", &Line::Text), MField("Blank", &Line::Blank),
                       MField("Number", &Line::Number));
    }
};

struct OneField {
    SubAccount Only;

    static constexpr auto Fields() { return MFields(MField("Only", &OneField::Only)); }
};

TEST(MCSVWriter, WritesADelimiterAfterEveryFieldWithoutQuoting) {
    Line line;
    line.Text.SetText("AB");
    line.Number = TestNumber(7);
    std::string output = "old";
    MCSVWriter writer(&output, ";");
    EXPECT_TRUE(writer.IsWriting());
    writer.ClearOutput();
    DescribeFields(line, writer);
    EXPECT_EQ(output, "AB;;7;");
    EXPECT_EQ(writer.GetData(), output.c_str());
    EXPECT_EQ(writer.GetPosition(), 6);

    // Reset and Start empty the output too; without them records are appended.
    DescribeFields(line, writer);
    EXPECT_EQ(output, "AB;;7;AB;;7;");
    writer.Reset();
    EXPECT_EQ(output, "");
    OneField one;
    DescribeFields(one, writer);
    EXPECT_EQ(output, ";");
    writer.Start("ignored", 7);
    EXPECT_EQ(output, "");

    // A delimiter inside a text is written as it is, so reading the line back splits the text.
    line.Text.SetText("x;y");
    DescribeFields(line, writer);
    EXPECT_EQ(output, "x;y;;7;");
    Line copy;
    MCSVReader reader(';');
    reader.SetInput(output.data(), static_cast<int>(output.size()));
    DescribeFields(copy, reader);
    EXPECT_EQ(copy.Text.ToString(), "x");
    EXPECT_EQ(copy.Blank.ToString(), "y");
    EXPECT_EQ(copy.Number.Get(), 0);

    MCSVWriter tabs(&output, "\t|");
    tabs.ClearOutput();
    DescribeFields(line, tabs);
    EXPECT_EQ(output, "x;y\t|\t|7\t|");
}

}  // namespace
