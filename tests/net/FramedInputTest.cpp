#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptedBuffers.h"
#include "core/MError.h"
#include "net/MEvent.h"
#include "support/LogRecorder.h"

namespace {

using namespace std::string_literals;

using BraeIn = ScriptedIn<MSocketBufferIn>;
using GenericIn = ScriptedIn<MSocketBufferingIn>;

// Reads until a message or a failure comes back, at most tries reads.
std::string NextMessage(MSocketBufferingIn& in, int32_t& length, int tries = 8) {
    for (int i = 0; i < tries; ++i) {
        const char* message = in.ReadMessage(&length, nullptr);
        if (message) return std::string(message, static_cast<std::size_t>(length));
        if (length == -1) break;
    }
    return "<none>";
}

TEST(MSocketBufferIn, WholeFramesComeOutOnePerCallWithoutFurtherReads) {
    BraeIn in(nullptr, 1000);  // raised to 65,536
    EXPECT_EQ(in.GetCapacity(), 65536);
    in.chunks = {
        "\x02\x00\x00\x00TI\x03 "
        "\x00\x00\x00\x00\x03   "
        "\x04\x00\x00\x00KB\x03z\x03\xFF\x00\x01"s};
    int32_t length = -9;
    const char* first = in.ReadMessage(&length, nullptr);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(std::string(first, 2), "TI");
    const char* second = in.ReadMessage(&length, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(length, 0);
    const char* third = in.ReadMessage(&length, nullptr);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(std::string(third, static_cast<std::size_t>(length)),
              "KB\x03z"s);  // 0x03 inside, padding not blank
    EXPECT_EQ(in.reads, 1);
    EXPECT_EQ(second, first + 8);  // in place, one after the other
    EXPECT_EQ(in.ReadMessage(&length, nullptr), nullptr);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(in.reads, 1);  // the pending bytes ran out: the flag is cleared, nothing read
}

TEST(MSocketBufferIn, AFrameCutAtAnyByteComesBackOnceAfterItsLastPiece) {
    const std::string frame =
        "\x0D\x00\x00\x00"
        "TC0123\x03"
        "456789\x03  "s;
    for (std::size_t cut = 1; cut < frame.size(); ++cut) {
        for (std::size_t second = cut + 1; second <= frame.size(); ++second) {
            SCOPED_TRACE(std::to_string(cut) + "/" + std::to_string(second));
            BraeIn in(nullptr, 65536);
            in.chunks = {frame.substr(0, cut), frame.substr(cut, second - cut)};
            if (second < frame.size()) in.chunks.push_back(frame.substr(second));
            const std::size_t chunks = in.chunks.size();
            int32_t length = -9;
            for (std::size_t i = 1; i < chunks; ++i) {
                ASSERT_EQ(in.ReadMessage(&length, nullptr), nullptr);
                ASSERT_EQ(length, 0);
            }
            const char* message = in.ReadMessage(&length, nullptr);
            ASSERT_NE(message, nullptr);
            ASSERT_EQ(std::string(message, static_cast<std::size_t>(length)),
                      "TC0123\x03"
                      "456789"s);
            ASSERT_EQ(in.ReadMessage(&length, nullptr), nullptr);
        }
    }
}

struct BadCase {
    const char* name;
    std::vector<std::string> chunks;
    int level;
    std::string line;
};

TEST(MSocketBufferIn, BadFramesEndInMinusOneWithTheirLines) {
    const BadCase cases[] = {
        {"length of 65,536, once its four bytes are in",
         {"\x00\x00\x01"s, "\x00"s},
         2,
         "MSocketBufferIn got an invalid message length(65536) > 64K, will be disconnect"},
        {"length with the top bit",
         {"\x00\x00\x00\x80"
          "abc"s},
         2,
         "First 50 bytes are: abc"},
        {"no end byte",
         {"\x01\x00\x00\x00"
          "A "s,
          "  "s},
         3,
         "MSocketBufferIn did not find character 0x03 at end of message, will be disconnect"},
        {"frame longer than the buffer",
         {"\xFC\xFF\x00\x00"s + std::string(65532, 'x')},
         2,
         "Buffer read too small (size 65536), check params"},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        LogRecorder log;
        BraeIn in(nullptr, 65536);
        in.chunks.assign(c.chunks.begin(), c.chunks.end());
        int32_t length = 0;
        EXPECT_EQ(NextMessage(in, length), "<none>");
        EXPECT_EQ(length, -1);
        EXPECT_TRUE(log.Has(c.level, c.line));
        EXPECT_EQ(in.reads, static_cast<int>(c.chunks.size()));
    }
    // The full buffer is reported by the input buffer class itself, with its own line number.
    EXPECT_NE(std::string(GetLastLogLine(2)).find("MSocketBufferingIn[0166] Buffer read too small"),
              std::string::npos)
        << GetLastLogLine(2);
}

TEST(MSocketBufferIn, TheLargestFrameThatFitsIsAccepted) {
    BraeIn in(nullptr, 65536);
    in.chunks = {"\xFB\xFF\x00\x00"s + std::string(65531, 'y'), "\x03"s};
    int32_t length = 0;
    EXPECT_EQ(NextMessage(in, length), std::string(65531, 'y'));
}

TEST(MSocketBufferingIn, FailedAndEmptyReads) {
    GenericIn in(nullptr, 64, 0x03, 1, 1);
    int32_t length = 7;
    EXPECT_EQ(in.ReadMessage(&length, nullptr), nullptr);  // no chunk: would block
    EXPECT_EQ(length, 0);
    in.chunks = {"x"};
    in.failNext = true;
    EXPECT_EQ(in.ReadMessage(&length, nullptr), nullptr);
    EXPECT_EQ(length, -1);
    EXPECT_EQ(in.GetLastFormatError(), MSocketBufferingIn::kReceiveFailure);
}

TEST(MSocketBufferingIn, TheGenericCutterFindsTheEndMarker) {
    GenericIn in(nullptr, 64, 0x03, 1, 1);
    in.chunks = {"SAB\x03"s,
                 "T\x03"s
                 "ZZ"s};
    int32_t length = 0;
    EXPECT_EQ(in.ReadMessage(&length, nullptr), nullptr);
    const char* message = in.ReadMessage(&length, nullptr);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(std::string(message, static_cast<std::size_t>(length)), "AB");
    EXPECT_EQ(in.GetReadPosition(), 5u);
    // A marker inside the header bytes: an empty message, one byte consumed.
    message = in.ReadMessage(&length, nullptr);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(in.GetReadPosition(), 6u);
}

TEST(MSocketBufferingIn, ConnectEmptiesTheBufferEvenWhenItFails) {
    BraeIn in(nullptr, 65536);
    in.chunks = {"\x02\x00\x00"s};
    int32_t length = 0;
    in.ReadMessage(&length, nullptr);
    ASSERT_EQ(in.GetLength(), 3u);
    EXPECT_FALSE(in.Connect(nullptr, nullptr));
    EXPECT_EQ(in.GetLength(), 0u);
}

TEST(MSocketBufferingIn, TheDescriptionIsShownByItsControl) {
    BraeIn in(nullptr, 65536);
    EXPECT_EQ(in.GetDescription().ToString(), "SOM 1 HasEOM 0 EOM 3 NbAfterEOM 1 BufSize 65536");
    MEvent event(7100, nullptr);
    in.AddDescriptionControl(event);
    ASSERT_NE(event.FindControl("Desc"), nullptr);
}

}  // namespace
