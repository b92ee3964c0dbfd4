#include <gtest/gtest.h>

#include <string>

#include "fields/MString.h"
#include "fields/MTControl.h"
#include "fields/MValAccept.h"

namespace {

TEST(MTControl, ShowsItsStringUnderTheDottedNameAndAssignsText) {
    MString<10, 10, MValAccept> text("SOM 1 HasEOM 0");
    MTControl<MString<10, 10, MValAccept>> control(&text, "Desc");
    std::string out;
    MDescFormat format("\n", 0, false);
    format.SetOutput(&out);
    control.Describe(format, "Client#2");
    EXPECT_EQ(out, "Client#2.Desc [SOM 1 HasEOM 0]");
    control.SetValue("changed text");
    EXPECT_EQ(text.ToString(), "changed text");
    EXPECT_EQ(control.GetName(), "Desc");
    EXPECT_EQ(control.GetFlag(), 0);
}

}  // namespace
