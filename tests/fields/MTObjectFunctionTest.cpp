#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "fields/MTObjectFunction.h"
#include "fields/MTStaticFunction.h"
#include "support/FieldTestRecords.h"

namespace {

std::string TextOf(const MObjectFunction& binder) {
    int length = 0;
    bool terminated = false;
    const char* text = binder.GetText(&length, &terminated);
    return std::string(text, static_cast<std::size_t>(length));
}

TEST(MTObjectFunction, CloneReachesTheSameField) {
    TestEntry entry = MakeEntry("G", "ACC", "T", "N");
    MTObjectFunction<VintMsgClientId> binder(&entry.Account);
    std::unique_ptr<MObjectFunction> clone = binder.Clone();
    EXPECT_EQ(clone->GetField(), &entry.Account);
    clone->SetText("NEW", 3, false);
    EXPECT_EQ(TextOf(binder), "NEW");
    clone->Clear();
    EXPECT_TRUE(entry.Account.IsBlank());
}

TEST(MTObjectFunction, SetFieldMovesToAnotherRecord) {
    TestEntry first = MakeEntry("G", "ACC", "T", "N");
    TestEntry second = MakeEntry("G", "OTHER", "T", "N");
    MTObjectFunction<VintMsgClientId> binder(&first.Account);
    EXPECT_FALSE(binder.IsEqual(&second.Account));
    binder.SetField(&second.Account);
    EXPECT_EQ(TextOf(binder), "OTHER");
    second.Account.SetText("ACC");
    EXPECT_TRUE(binder.IsEqual(&first.Account));
}

TEST(MTObjectFunction, FormatFieldHandsOneTemporaryBinder) {
    struct Probe : MObjectFormat {
        void ProcessField(MObjectFunction& field) override {
            ++calls;
            address = field.GetField();
        }
        int calls = 0;
        void* address = nullptr;
    } format;
    TestEntry entry;
    FormatField(entry.Trader, format);
    EXPECT_EQ(format.calls, 1);
    EXPECT_EQ(format.address, &entry.Trader);

    struct StaticProbe : MStaticFormat {
        void ProcessField(MStaticFunction&) override { ++calls; }
        int calls = 0;
    } types;
    FormatStaticField<MatchNumber>(types);
    EXPECT_EQ(types.calls, 1);
}

}  // namespace
