// Column filters read the display text without building a string: straight from GetText for the
// types that say it is their display text, written into a reused buffer for the time points. Both
// must give what ToString gives, for every value.
#include <gtest/gtest.h>

#include <string>

#include "fields/CommandEnumerations.h"
#include "fields/MChar.h"
#include "fields/MIntX.h"
#include "fields/MRPString.h"
#include "fields/MString.h"
#include "fields/MStringFloat.h"
#include "fields/MStringInt.h"
#include "fields/MTTimePoint.h"
#include "fields/MValueType.h"
#include "fields/MZString.h"

namespace {

template <class T>
class DisplayText : public ::testing::Test {};
using InPlaceTypes = ::testing::Types<MInt, MInt64, MStringInt<8, 48, 0, MBase10>, VintMsgClientId, MChar,
                                      MStringFloat<MStringFractionData<9, 32>, 100, 0, 0>, ActionType,
                                      MZString<12>, MString<8, 4>, MDateTimeTimePoint, MTimeTimePoint, MDate>;
TYPED_TEST_SUITE(DisplayText, InPlaceTypes);

TYPED_TEST(DisplayText, TheViewIsTheDisplayText) {
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
                           "a text longer than any of these fields",
                           "2021/03/04 05:06:07.089",
                           "05:06:07",
                           "-",
                           "n"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        TypeParam value;
        value.SetText(text);
        std::string scratch = "untouched";
        EXPECT_EQ(std::string(DisplayTextOf(value, scratch)), value.ToString());
    }
}

}  // namespace
