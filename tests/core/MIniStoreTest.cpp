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

}  // namespace
