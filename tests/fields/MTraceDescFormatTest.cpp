#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>
#include <string>

#include "core/MTrace.h"
#include "fields/MTraceDescFormat.h"
#include "support/FieldTestRecords.h"

namespace {

class TraceDescFormatTest : public ::testing::Test {
protected:
    void SetUp() override { SetTraceStream(&stream_); }
    void TearDown() override { SetTraceStream(nullptr); }
    std::ostringstream stream_;
};

TEST_F(TraceDescFormatTest, WritesOneLinePerEntryPaddedToFiftyCharacters) {
    MTraceDescFormat& format = GetTraceDescFormat();
    stream_ << std::right << std::setfill('*');
    format.WriteText("Sock1.Disconnect", "-");
    format.WriteText("Rule", "");
    format.WriteText("", "");
    format.WriteText(std::string(50, 'n'), "v");
    format.WriteText(std::string(51, 'n'), "");
    format.WriteText("", "only");
    EXPECT_EQ(stream_.str(), "Sock1.Disconnect" + std::string(34, ' ') + "[-]\n" + "Rule" +
                                 std::string(46, ' ') + "\n" + "\n" + std::string(50, 'n') + "[v]\n" +
                                 std::string(51, 'n') + "\n" + std::string(50, ' ') + "[only]\n");
    // The caller's format flags and fill are kept.
    EXPECT_TRUE(stream_.flags() & std::ios_base::right);
    EXPECT_EQ(stream_.fill(), '*');
}

TEST_F(TraceDescFormatTest, RecordsDescribeThemselvesToTheTrace) {
    TestHeader header;
    header.Group.SetText("7");
    header.Flag.SetText("x", 1);
    MTraceDescFormat format;
    format.Start("hdr", 3);
    DescribeFields(header, format);
    EXPECT_EQ(stream_.str(),
              "hdr.Group" + std::string(41, ' ') + "[7]\nhdr.Flag" + std::string(42, ' ') + "[x]\n");
}

}  // namespace
