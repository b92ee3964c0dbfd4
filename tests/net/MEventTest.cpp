#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "net/MControlView.h"
#include "net/MEvent.h"
#include "support/LogRecorder.h"

namespace {

std::string Suffixed(const std::string& name, int32_t counter) {
    return name + std::to_string(counter);
}

TEST(MEventNames, DuplicatesTakeTheSharedCounterWhateverTheName) {
    MEvent first(7001, nullptr);
    const int32_t before = MControlView::GetDuplicateCounter();
    MEvent second(7001, nullptr);
    MControlView other;
    other.SetName("Event_7002");
    MControlView third;
    third.SetName("Event_7002");

    EXPECT_EQ(first.GetName(), "Event_7001");
    EXPECT_EQ(second.GetName(), Suffixed("Event_7001", before + 1));
    EXPECT_EQ(third.GetName(), Suffixed("Event_7002", before + 2));
    EXPECT_EQ(MControlView::FindRegistered("Event_7001"), &first);
    EXPECT_EQ(MControlView::FindRegistered(second.GetName()), &second);
    EXPECT_TRUE(third.IsRegistered());
}

TEST(MEventNames, ANameStillTakenIsLoggedAndLeftUnregistered) {
    MControlView original;
    original.SetName("View_dup");
    MControlView squatter;
    squatter.SetName(Suffixed("View_dup", MControlView::GetDuplicateCounter() + 1));
    LogRecorder log;
    MControlView late;
    late.SetName("View_dup");

    const std::string expected = Suffixed("View_dup", MControlView::GetDuplicateCounter());
    EXPECT_EQ(late.GetName(), expected);
    EXPECT_FALSE(late.IsRegistered());
    EXPECT_TRUE(log.Has(3, "Duplicate control " + expected));
    EXPECT_EQ(MControlView::FindRegistered(expected), &squatter);
}

TEST(MEventNames, RenamingAndDestroyingFreeTheName) {
    auto event = std::make_unique<MEvent>(7010, nullptr);
    event->SetName("Client#7010");
    MEvent reuse(7010, nullptr);
    EXPECT_EQ(reuse.GetName(), "Event_7010");
    EXPECT_EQ(MControlView::FindRegistered("Client#7010"), event.get());
    event.reset();
    EXPECT_EQ(MControlView::FindRegistered("Client#7010"), nullptr);
    EXPECT_EQ(MControlView::FindRegistered("Event_7010"), &reuse);
}

TEST(MEvent, AStoredNotificationIsHandedOutOnce) {
    MEvent event(7020, nullptr);
    int32_t length = -1;
    EXPECT_STREQ(event.GetNotification(length), "?");
    EXPECT_EQ(length, 0);
    const char record[] = "Crecord";
    event.SetNotification(record, 7);
    EXPECT_EQ(event.GetNotification(length), record);
    EXPECT_EQ(length, 7);
    EXPECT_STREQ(event.GetNotification(length), "?");
    EXPECT_EQ(length, 7);
}

TEST(MEvent, ActivityTextAndDefaults) {
    MEvent event(7030, nullptr);
    EXPECT_EQ(event.GetActivity(), 1);
    EXPECT_STREQ(event.GetActivityText(), "Open");
    EXPECT_EQ(event.GetEntryId(), 7030);
    event.SetActive(false);
    EXPECT_STREQ(event.GetActivityText(), "Close");
    int32_t length = -1;
    EXPECT_EQ(event.GetInputMessage(length), nullptr);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(event.ProcessInput(false), 0);
    EXPECT_EQ(event.ProcessOutput(nullptr), 0);
}

TEST(MEvent, ControlsAreOwnedAndFoundByName) {
    MEvent event(7040, nullptr);
    event.AddControl(nullptr);
    EXPECT_TRUE(event.GetControls().empty());
    EXPECT_EQ(event.FindControl("Desc"), nullptr);
}

}  // namespace
