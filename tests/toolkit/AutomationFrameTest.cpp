// The automation channel's frames, against bytes written from the layout.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/AutomationFrame.h"

namespace {

using namespace std::string_literals;

using Status = AutomationFrame::Status;

TEST(AutomationFrame, ARequestIsReadFromItsLittleEndianFieldsAndTitle) {
    // 0x804C, wParam 0x01020304, lParam 0x00C00005 (column 3, row 5), title "Lots".
    const std::string bytes = "\x4C\x80\x00\x00\x04\x03\x02\x01\x05\x00\xC0\x00\x04\x00Lots"s;
    AutomationRequest request;
    std::size_t used = 0;
    ASSERT_EQ(AutomationFrame::ReadRequest(bytes, request, used), Status::Complete);
    EXPECT_EQ(used, 18u);
    EXPECT_EQ(request.message, 0x804Cu);
    EXPECT_EQ(request.wParam, 0x01020304u);
    EXPECT_EQ(request.lParam, 0x00C00005u);
    EXPECT_EQ(request.title, "Lots");

    // Every shorter prefix needs more bytes; a frame followed by another is read alone.
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(AutomationFrame::ReadRequest(bytes.substr(0, n), request, used), Status::Incomplete);
    }
    const std::string two = bytes + "\x4B\x80\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"s;
    ASSERT_EQ(AutomationFrame::ReadRequest(two, request, used), Status::Complete);
    EXPECT_EQ(used, 18u);
    ASSERT_EQ(AutomationFrame::ReadRequest(std::string_view(two).substr(used), request, used),
              Status::Complete);
    EXPECT_EQ(used, 14u);
    EXPECT_EQ(request.message, 0x804Bu);
    EXPECT_EQ(request.title, "");
}

TEST(AutomationFrame, ATitleOfUpTo256BytesIsReadAndALongerOneIsMalformedFromTheHeader) {
    AutomationRequest request;
    std::size_t used = 0;
    const std::string title(256, '\xE9');
    const std::string longest = "\x12\x80\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x01"s + title;
    ASSERT_EQ(AutomationFrame::ReadRequest(longest, request, used), Status::Complete);
    EXPECT_EQ(used, 270u);
    EXPECT_EQ(request.title, title);
    // 257 and 65535 announced: malformed before any title byte arrived.
    EXPECT_EQ(AutomationFrame::ReadRequest("\x12\x80\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x01\x01"s,
                                           request, used),
              Status::Malformed);
    EXPECT_EQ(AutomationFrame::ReadRequest("\x12\x80\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\xFF\xFF"s,
                                           request, used),
              Status::Malformed);
}

TEST(AutomationFrame, AReplyCarriesKindOneTheByteCountAndTheUtf16TextWithItsZero) {
    EXPECT_EQ(AutomationFrame::Reply(u""), "\x01\x00\x00\x00\x02\x00\x00\x00\x00\x00"s);
    EXPECT_EQ(AutomationFrame::Reply(u"Id;\u20AC"),
              "\x01\x00\x00\x00\x0A\x00\x00\x00"
              "I\x00"
              "d\x00"
              ";\x00"
              "\xAC\x20\x00\x00"s);
}

}  // namespace
