#include <gtest/gtest.h>

#include <string>

#include "fields/MCSVReader.h"
#include "support/FieldTestRecords.h"

namespace {

struct Four {
    SubAccount A;
    SubAccount B;
    SubAccount C;
    SubAccount D;

    static constexpr auto Fields() {
        return MFields(MField("A", &Four::A), MField("B", &Four::B), MField("C", &Four::C),
                       MField("D", &Four::D));
    }
};

// Reads line into a record whose fields all hold "old" first; returns the four texts joined by '|'.
std::string Read(MCSVReader& reader, const std::string& line) {
    Four record;
    for (SubAccount* field : {&record.A, &record.B, &record.C, &record.D}) field->SetText("old");
    reader.SetInput(line.data(), static_cast<int>(line.size()));
    DescribeFields(record, reader);
    return record.A.ToString() + "|" + record.B.ToString() + "|" + record.C.ToString() + "|" +
           record.D.ToString();
}

TEST(MCSVReader, SplitsALineIntoFields) {
    const struct {
        std::string line;
        const char* cleared;  // clear-missing flag set (the default)
        const char* kept;     // flag cleared
    } cases[] = {
        {"A;B", "A|B||", "A|B|old|old"},
        {"A;B;", "A|B||", "A|B|old|old"},
        {"A;;C;D", "A||C|D", "A||C|D"},
        {"A;B;C;D;E;F", "A|B|C|D", "A|B|C|D"},
        {"", "|||", "old|old|old|old"},
        // At most two trailing control bytes end the line; later fields of the line read empty.
        {"A;B\r\n", "A|B||", "A|B||"},
        {"A;B\r\r", "A|B||", "A|B||"},
        {"A;B\t\r\n", "A|B\t||", "A|B\t||"},
        {"A;B\n", "A|B||", "A|B|old|old"},
        {std::string("A;B\0", 4), "A|B||", "A|B|old|old"},
        // Bytes from 128 up are text.
        {"A;B\xE9", "A|B\xE9||", "A|B\xE9|old|old"},
        {"A;\r\n", "A|||", "A|||"},
    };
    MCSVReader reader(';');
    EXPECT_FALSE(reader.IsWriting());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        reader.ClearMissingFlag() = true;
        EXPECT_EQ(Read(reader, c.line), c.cleared);
        reader.ClearMissingFlag() = false;
        EXPECT_EQ(Read(reader, c.line), c.kept);
    }
}

TEST(MCSVReader, ReadsFromItsPositionAndStartsOver) {
    const char line[] = "A;B;C;D;E\r\n";
    MCSVReader reader(';');
    reader.Start(line, 11);
    EXPECT_EQ(reader.GetData(), line);
    EXPECT_EQ(reader.GetPosition(), 0);
    Four record;
    DescribeFields(record, reader);
    EXPECT_EQ(reader.GetPosition(), 8);
    DescribeFields(record, reader);  // the rest of the line: E, then nothing
    EXPECT_EQ(record.A.ToString(), "E");
    EXPECT_TRUE(record.B.IsBlank());
    reader.Reset();
    DescribeFields(record, reader);
    EXPECT_EQ(record.A.ToString(), "A");
    EXPECT_EQ(record.D.ToString(), "D");

    // A negative length or a null line reads as an empty line.
    reader.SetInput(line, -3);
    DescribeFields(record, reader);
    EXPECT_TRUE(record.A.IsBlank());
    reader.SetInput(nullptr, 5);
    DescribeFields(record, reader);
    EXPECT_TRUE(record.D.IsBlank());
}

}  // namespace
