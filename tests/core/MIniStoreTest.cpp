#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/MIniStore.h"

namespace {

TEST(MIniStore, NamesIgnoreTheCaseOfWindows1252Letters) {
    EXPECT_TRUE(MIniStore::SameName("Grid \xC4\xE9\x9A\xFF", "gRID \xE4\xC9\x8A\x9F"));
    EXPECT_FALSE(MIniStore::SameName("\xD7", "\xF7"));  // multiplication and division signs
    EXPECT_FALSE(MIniStore::SameName("a", "ab"));
    EXPECT_FALSE(MIniStore::SameName("[", "{"));
}

TEST(MIniStore, KeepsFileOrderAndTheFirstOfRepeatedNames) {
    MIniStore store;
    store.LoadFromText(
        "ignored=before any section\n"
        "[B]\n  Z = 1\nno equals sign\n;A=comment\nA=2\nz=3\n"
        "[ a ]\nK=x\n"
        "[b]\nM=4");
    EXPECT_EQ(store.ReadSectionValues("b"), (std::vector<std::string>{"Z= 1", "A=2", "M=4"}));
    EXPECT_EQ(store.ReadSection("A"), (std::vector<std::string>{"K"}));
    store.Write("new", "k", "v");
    store.Write("B", "a", "5");
    EXPECT_EQ(store.ToText(), "[B]\nZ= 1\nA=5\nM=4\n\n[a]\nK=x\n\n[new]\nk=v\n\n");
}

TEST(MIniStore, DeletingAKeyKeepsTheOthersInPlace) {
    MIniStore store;
    store.LoadFromText("[S]\nA=1\nB=2\nC=3\nD=4\n[T]\nA=5\n");
    store.Delete("s", "b");
    store.Delete("S", "missing");
    store.Delete("missing", "A");
    ASSERT_NE(store.Find("S", "c"), nullptr);
    EXPECT_EQ(*store.Find("S", "c"), "3");
    EXPECT_EQ(*store.Find("S", "D"), "4");
    EXPECT_EQ(store.Find("S", "B"), nullptr);
    store.Write("S", "d", "40");  // stays in its place
    store.Write("S", "b", "20");  // comes back at the end
    store.Delete("S", "A");
    store.Write("S", "C", "30");
    EXPECT_EQ(store.ToText(), "[S]\nC=30\nD=40\nb=20\n\n[T]\nA=5\n\n");
    EXPECT_EQ(store.ReadSection("S"), (std::vector<std::string>{"C", "D", "b"}));
}

}  // namespace
