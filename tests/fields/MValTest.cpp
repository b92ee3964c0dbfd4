#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/MException.h"
#include "fields/MChar.h"
#include "fields/MInterface.h"
#include "fields/MMsgFormat.h"
#include "fields/MTObjectFunction.h"
#include "fields/MValAccept.h"
#include "fields/MValLen.h"
#include "fields/MValPrintableChar.h"

namespace {

const char* Check(const MVal& validator, const std::string& text) {
    return validator.Check(text.data(), static_cast<int>(text.size()));
}

TEST(Validators, AnswerWithTheirMessages) {
    const MValAccept accept;
    EXPECT_EQ(Check(accept, ""), nullptr);
    EXPECT_EQ(Check(accept, std::string("\x00\x01\xff", 3)), nullptr);

    const MValLen length(2, 4);
    const struct {
        int length;
        const char* message;
    } lengths[] = {
        {1, "Invalid length"}, {2, nullptr}, {4, nullptr}, {5, "Invalid length"}, {-1, "Invalid length"}};
    for (const auto& c : lengths) {
        SCOPED_TRACE(c.length);
        const char* message = length.Check("abcdef", c.length);
        EXPECT_EQ(message ? std::string(message) : "", c.message ? c.message : "");
    }

    const MValPrintableChar printable(0, -1);
    EXPECT_STREQ(Check(printable, "tab\there"), "Invalid character in string");
    EXPECT_STREQ(Check(printable, "\x7f"), "Invalid character in string");
    EXPECT_STREQ(Check(printable, "caf\xe9"), "Invalid character in string");
    EXPECT_EQ(Check(printable, ""), nullptr);
    EXPECT_EQ(Check(printable, std::string(5000, '~')), nullptr);
    EXPECT_EQ(printable.Check(nullptr, 10), nullptr);
    EXPECT_EQ(printable.Check("x\ty", -3), nullptr);
    EXPECT_STREQ(MValPrintableChar(1, 2).Check("abc", 3), "Invalid length");
}

TEST(MChar, CheckTextTestsTheFirstCharacter) {
    EXPECT_EQ(MChar::CheckText("P"), nullptr);
    EXPECT_EQ(MChar::CheckText(" rest\tignored"), nullptr);
    EXPECT_STREQ(MChar::CheckText("\tX"), "Invalid char!");
    EXPECT_STREQ(MChar::CheckText("\x1b"), "Invalid char!");
    EXPECT_STREQ(MChar::CheckText(""), "Invalid char!");
    EXPECT_STREQ(MChar::CheckText(nullptr), "Invalid char!");
}

TEST(MChar, SettersAndOrder) {
    MChar value;
    EXPECT_EQ(value.ToString(), " ");
    value.SetText("QR", 2);
    EXPECT_EQ(value.ToString(), "Q");
    value.SetText("QR", 0);
    EXPECT_EQ(value.ToString(), " ");
    value.SetText("");
    EXPECT_EQ(value.ToString(), std::string(1, '\0'));
    value.SetText("Z");
    value.SetText(nullptr);
    EXPECT_EQ(value.ToString(), std::string(1, '\0'));
    value.SetText(nullptr, 3);
    EXPECT_EQ(value.ToString(), " ");

    EXPECT_TRUE(MChar("\xc8").IsLess(MChar("A")));
    EXPECT_TRUE(MChar("B").IsGreater(MChar("A")));
    EXPECT_TRUE(MChar("A").IsEqual(MChar("ABC")));
    EXPECT_EQ(MChar("").ToString(), std::string(1, '\0'));

    int length = 0;
    bool terminated = true;
    MChar letter("x");
    EXPECT_EQ(std::string(letter.GetText(&length, &terminated), 1), "x");
    EXPECT_EQ(length, 1);
    EXPECT_FALSE(terminated);
}

TEST(MChar, FixedFormAndColumn) {
    char buffer[2] = {'a', 'b'};
    MMsgFormat reader(buffer, 1, false);
    MChar value;
    value.ReadFixed(reader);
    EXPECT_EQ(value.ToString(), "a");
    try {
        value.ReadFixed(reader);
        FAIL() << "no exception";
    } catch (const MException& e) {
        EXPECT_EQ(e.GetCode(), 1);
        EXPECT_EQ(e.GetText(), "Message is too short");
    }
    EXPECT_EQ(value.ToString(), "a");

    MMsgFormat writer(buffer, 2, true);
    MChar("Q").WriteFixed(writer);
    EXPECT_EQ(buffer[0], 'Q');
    EXPECT_EQ(writer.GetOffset(), 1);

    MTObjectFunction<MChar> binder(&value);
    std::unique_ptr<MInterface> column = binder.CreateInterface();
    EXPECT_EQ(column->GetKind(), MInterface::kString);
    EXPECT_EQ(column->GetWidth(), 1);
    EXPECT_STREQ(column->GetTypeName(), "MChar");
}

}  // namespace
