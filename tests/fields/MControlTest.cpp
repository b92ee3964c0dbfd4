#include <gtest/gtest.h>

#include <string>

#include "fields/MControlFunction.h"
#include "fields/MControlTrigger.h"
#include "fields/MDescFormat.h"
#include "fields/MTControlFunction.h"

namespace {

class CountingTrigger : public MControlTrigger {
public:
    std::string Execute() override { return "fired " + std::to_string(++count); }
    int count = 0;
};

// Stands for an object that describes itself under a name (a message vector, for instance).
struct DescribedQueue {
    void Describe(MDescFormat& describer, const std::string& name) {
        describer.WriteText(name + ".Count", std::to_string(count));
        describer.WriteText(name + ".Next", "0");
    }
    int count = 3;
};

TEST(MControl, FunctionControlWritesOneEntryWithADash) {
    CountingTrigger trigger;
    MControlFunction control("Disconnect", &trigger);
    EXPECT_EQ(control.GetName(), "Disconnect");
    EXPECT_EQ(control.GetFlag(), 0);
    ASSERT_EQ(control.GetTrigger(), &trigger);

    std::string text;
    MDescFormat describer("|", 0, false);
    describer.SetOutput(&text);
    control.Describe(describer, "Sock1");
    EXPECT_EQ(text, "Sock1.Disconnect [-]");

    control.SetValue("anything");
    text.clear();
    control.Describe(describer, "Sock1");
    EXPECT_EQ(text, "Sock1.Disconnect [-]");
    EXPECT_EQ(trigger.count, 0);
    EXPECT_EQ(control.GetTrigger()->Execute(), "fired 1");
}

TEST(MControl, ObjectControlLetsItsObjectDescribeUnderTheDottedName) {
    DescribedQueue queue;
    MTControlFunction<DescribedQueue> control(&queue, "com", nullptr);
    std::string text;
    MDescFormat describer("|", 0, false);
    describer.SetOutput(&text);
    control.Describe(describer, "Client#4");
    EXPECT_EQ(text, "Client#4.com.Count [3]|Client#4.com.Next [0]");
    control.SetValue("9");
    EXPECT_EQ(queue.count, 3);
    EXPECT_EQ(control.GetFlag(), 0);
    EXPECT_EQ(control.GetTrigger(), nullptr);
}

}  // namespace
