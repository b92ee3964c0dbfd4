#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>

#include "core/MTrace.h"
#include "core/MTraceMsg.h"
#include "core/MTraceMsgToAscii.h"
#include "support/ScopedEnvironment.h"
#include "support/TraceCapture.h"

namespace {

TEST(MTrace, CategoryTestComparesTheMaskedFieldInPlace) {
    TraceCapture capture;
    const struct {
        int level;
        int mask;
        int category;
        int threshold;
        bool enabled;
    } cases[] = {
        {0, 0x180, 3, 0x80, false},                                 // trace off
        {1, 0x80, 3, 0x80, true},                                   // bit 7 alone
        {1, 0x100, 3, 0x80, true},                                  // bit 8 alone reaches 0x80 too
        {1, 0x80, 3, 0x180, false},                                 // both bits needed
        {1, 0x180, 3, 0x180, true},     {1, 0x7F, 3, 0x80, false},  // bits of other categories do not count
        {2, 0x8000, 7, 0x8000, true},                               // scheduler tables
        {2, ~0x8000, 7, 0x8000, false}, {1, 0x1800, 5, 0x1800, true},
        {1, -1, 8, 0x30000, true},      {1, -1, 9, 0, false},  // no such category
        {-1, -1, 0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.level << " " << c.mask << " " << c.category << " " << c.threshold);
        SetTraceLevel(c.level);
        SetTraceMask(c.mask);
        EXPECT_EQ(IsTraceEnabled(c.category, c.threshold), c.enabled);
    }
}

TEST(MTrace, ConverterEscapesNonPrintableBytesAndReusesItsBuffer) {
    MTraceMsgToAscii converter;
    const char input[] = {
        'A', 0x01, 0x00, 0x7F, static_cast<char>(0xFF), ' ', '~', 0x1F, static_cast<char>(0x80)};
    int32_t length = -1;
    const char* text = converter.Convert(input, sizeof(input), &length);
    EXPECT_EQ(std::string(text, length), "A;$00$\x7F$FF$ ~$1F$$80$");

    text = converter.Convert("xy", 2, &length);
    EXPECT_EQ(std::string(text, length), "xy");
    converter.Convert(nullptr, 5, &length);
    EXPECT_EQ(length, 0);
    converter.Convert("abc", -3, &length);
    EXPECT_EQ(length, 0);
}

TEST(MTrace, TracedMessageIsOnePrintableLine) {
    TraceCapture capture;
    MTraceMsg trace;
    trace.TraceText("0A1",
                    "KB\x01"
                    "12\x02",
                    6,
                    "\xFE"
                    "end",
                    4);
    trace.TraceText("N\x05", nullptr, 0, nullptr, 0);
    trace.TraceMessage(1, "out", 3, "x", 1, nullptr, 0);
    EXPECT_EQ(capture.Text(), "<M[0A1]KB;12$02$$FE$end\n<M[N$05$]\n>M[out]x\n");
}

TEST(MTrace, LineOfExactlyTheBufferSizeFitsOneMoreOverflows) {
    TraceCapture capture;
    MTraceMsg trace;
    const int32_t fitting = MTraceMsg::kBufferSize - 5 - 2;  // name "ab", line = name + data + 5
    const std::string data(static_cast<std::size_t>(fitting), 'x');
    trace.TraceText("ab", data.data(), fitting, nullptr, 0);
    EXPECT_EQ(capture.Text(), "<M[ab]" + data + "\n");
    EXPECT_EQ(capture.Text().size(), static_cast<std::size_t>(MTraceMsg::kBufferSize));

    capture.Clear();
    trace.TraceText("ab", data.data(), fitting, "y", 1);
    EXPECT_EQ(capture.Text(), "TraceMsg-Buffer overflow\n");

    // An escaped byte takes four characters of the buffer.
    capture.Clear();
    const std::string zeros(static_cast<std::size_t>(MTraceMsg::kBufferSize / 4), '\0');
    trace.TraceText("", zeros.data(), static_cast<int32_t>(zeros.size()), nullptr, 0);
    EXPECT_EQ(capture.Text(), "TraceMsg-Buffer overflow\n");
}

TEST(MTrace, TestNoRegressionFlagNeedsExactlyYes) {
    ScopedEnvironment environment;
    const struct {
        const char* value;
        bool on;
    } cases[] = {{"Yes", true},   {"yes", false}, {"YES", false},
                 {"Yes ", false}, {"", false},    {nullptr, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(unset)");
        environment.Set("TestNoRegression", c.value);
        EXPECT_EQ(ReadTestNoRegressionFlag(), c.on);
    }
}

TEST(MTrace, TraceGoesBackToStandardOutput) {
    EXPECT_EQ(&GetTraceStream(), &std::cout);
    EXPECT_EQ(GetTraceDestination(), "stdout");
    EXPECT_EQ(GetPreviousTraceDestination(), "stdout");
    std::ostringstream other;
    SetTraceStream(&other);
    EXPECT_EQ(&GetTraceStream(), &other);
    RestoreTraceToStdout();
    EXPECT_EQ(&GetTraceStream(), &std::cout);
    EXPECT_EQ(GetTraceDestination(), "stdout");
}

TEST(MTrace, HexTextsCoverTwelveBits) {
    EXPECT_STREQ(GetHexText(0), "000");
    EXPECT_STREQ(GetHexText(0x0AB), "0AB");
    EXPECT_STREQ(GetHexText(4095), "FFF");
    EXPECT_STREQ(GetHexText(4096 + 0x12), "012");
}

}  // namespace

TEST(MTrace, TraceLevelAtLeast) {
    const int saved = GetTraceLevel();
    const struct {
        int level;
        int asked;
        bool expected;
    } cases[] = {{0, 1, false}, {1, 1, true}, {2, 1, true}, {0, 0, true}, {-1, 0, false}, {5, 6, false}};
    for (const auto& c : cases) {
        SetTraceLevel(c.level);
        EXPECT_EQ(IsTraceLevelAtLeast(c.asked), c.expected) << c.level << " " << c.asked;
    }
    SetTraceLevel(saved);
}
