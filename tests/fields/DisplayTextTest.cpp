// Column filters read the display text of the types that say their delimited text is their
// display text straight from GetText: for those types the two must agree on every value.
#include <gtest/gtest.h>

#include <string>

#include "fields/CommandEnumerations.h"
#include "fields/MChar.h"
#include "fields/MIntX.h"
#include "fields/MRPString.h"
#include "fields/MString.h"
#include "fields/MStringFloat.h"
#include "fields/MStringInt.h"
#include "fields/MValueType.h"
#include "fields/MZString.h"

namespace {

template <class T>
class DisplayText : public ::testing::Test {};
using FlaggedTypes = ::testing::Types<MInt, MInt64, BraeNb8, VintMsgClientId, MChar, BraePrice, ActionType,
                                      MZString<12>, MString<8, 4>>;
TYPED_TEST_SUITE(DisplayText, FlaggedTypes);

TYPED_TEST(DisplayText, TheViewIsTheDisplayText) {
    static_assert(TypeParam::kTextIsDisplayText);
    const char* texts[] = {"",
                           "0",
                           "7",
                           "-12",
                           "123.45",
                           "00042",
                           "Closed",
                           "A b c",
                           "x",
                           "9223372036854775807",
                           "a text longer than any of these fields"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        TypeParam value;
        value.SetText(text);
        std::string scratch = "untouched";
        EXPECT_EQ(std::string(DisplayTextOf(value, scratch)), value.ToString());
    }
}

}  // namespace
