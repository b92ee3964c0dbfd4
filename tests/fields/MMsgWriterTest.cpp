#include <gtest/gtest.h>

#include <string>

#include "TestValueTypes.h"
#include "fields/MMsgWriter.h"
#include "support/FieldTestRecords.h"

namespace {

struct Pair {
    MatchNumber Name;
    TestNumber Amount;

    static constexpr auto Fields() {
        return MFields(MField("Name", &Pair::Name), MField("Amount", &Pair::Amount));
    }
};

TEST(MMsgWriter, WritesEveryFieldWhateverItsFlagAndStartsOverOnRewind) {
    MMsgWriter writer;
    EXPECT_FALSE(writer.IsWriting());
    EXPECT_EQ(writer.GetSize(), 4096);
    Pair pair;
    pair.Name.SetText("N1");
    pair.Amount = TestNumber(42);
    DescribeFields(pair, writer);
    ASSERT_EQ(writer.GetOffset(), 11);
    EXPECT_EQ(std::string(writer.GetData(), 11), "N1      42\xfe");

    writer.Rewind();
    pair.Amount = TestNumber(-3);
    DescribeFields(pair, writer);
    EXPECT_EQ(std::string(writer.GetData(), static_cast<std::size_t>(writer.GetPosition())),
              "N1      -3\xfe");
    writer.Reset();
    EXPECT_EQ(writer.GetOffset(), 0);

    // Reading answers nothing on the writer.
    int length = 77;
    EXPECT_EQ(writer.GetCurrent(), nullptr);
    EXPECT_EQ(writer.GetRemaining(&length), nullptr);
    EXPECT_EQ(length, 77);
    writer.Write("abc", 3);
    writer.Skip(2);
    EXPECT_EQ(writer.GetOffset(), 3);
}

TEST(MMsgWriter, GrowsByDoublingAndKeepsWhatWasWritten) {
    MMsgWriter writer;
    MRPString<2048> half;
    half.Fill('h');
    FormatField(half, writer);
    half.Fill('H');
    FormatField(half, writer);
    EXPECT_EQ(writer.GetOffset(), 4096);
    EXPECT_EQ(writer.GetSize(), 4096);
    MChar flag;
    flag.SetText("Z", 1);
    FormatField(flag, writer);
    EXPECT_EQ(writer.GetSize(), 8192);
    ASSERT_EQ(writer.GetOffset(), 4097);
    const std::string written(writer.GetData(), 4097);
    EXPECT_EQ(written, std::string(2048, 'h') + std::string(2048, 'H') + "Z");

    // A variable-length text filling the first buffer exactly: its delimiter grows it.
    const std::string text(4096, 't');
    for (bool append : {false, true}) {
        SCOPED_TRACE(append);
        MMsgWriter fresh;
        fresh.Write(text.data(), 4096);
        EXPECT_EQ(fresh.GetSize(), 4096);
        if (append) {
            fresh.AppendDelimiter();
        } else {
            fresh.WriteDelimiter();
        }
        EXPECT_EQ(fresh.GetSize(), 8192);
        ASSERT_EQ(fresh.GetOffset(), 4097);
        EXPECT_EQ(fresh.GetData()[4096], '\xfe');
        EXPECT_EQ(std::string(fresh.GetData(), 4096), text);
    }

    // One write larger than twice the buffer doubles until it fits.
    writer.Rewind();
    writer.Write("ab", 2);
    const std::string big(20000, 'b');
    writer.Write(big.data(), 20000);
    EXPECT_EQ(writer.GetSize(), 32768);
    EXPECT_EQ(std::string(writer.GetData(), 20002), "ab" + big);
}

TEST(MMsgWriter, MovesToItsOwnBufferWhenAGivenBufferIsFull) {
    char outside[8] = "-------";
    MMsgWriter writer;
    writer.Start(outside, 4);
    writer.Write("abc", 3);
    EXPECT_EQ(std::string(outside, 4), "abc-");
    writer.Write("de", 2);
    EXPECT_EQ(writer.GetSize(), 8);
    EXPECT_NE(writer.GetData(), outside);
    EXPECT_EQ(std::string(writer.GetData(), 5), "abcde");
    EXPECT_EQ(std::string(outside, 7), "abc----");
}

}  // namespace
