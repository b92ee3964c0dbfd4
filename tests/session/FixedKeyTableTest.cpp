#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "session/FixedKeyTable.h"

namespace {

FixedTextKey<10> Key(int32_t number, const char* text) {
    FixedTextKey<10> key;
    key.fill(' ');
    std::memcpy(key.data(), &number, 4);
    std::memcpy(key.data() + 4, text, std::strlen(text));
    return key;
}

// Keys of every width up to 17 bytes that differ in any one byte are told apart; equal keys are
// the same and hash alike.
template <std::size_t N>
void CheckKeysOfWidth() {
    SCOPED_TRACE(N);
    FixedTextKey<N> key;
    for (std::size_t i = 0; i < N; ++i) key[i] = static_cast<char>('A' + i);
    const FixedTextKey<N> copy = key;
    EXPECT_TRUE(SameFixedText(key, copy));
    EXPECT_EQ(FixedTextHash{}(key), FixedTextHash{}(copy));
    for (std::size_t i = 0; i < N; ++i) {
        FixedTextKey<N> other = key;
        other[i] = '\xFF';
        EXPECT_FALSE(SameFixedText(key, other)) << i;
        EXPECT_FALSE(SameFixedText(other, key)) << i;
    }
}

TEST(FixedKeyTable, KeysDifferingInAnyByteAreToldApart) {
    []<std::size_t... N>(std::index_sequence<N...>) {
        (CheckKeysOfWidth<N + 1>(), ...);
    }
    (std::make_index_sequence<17>());
}

TEST(FixedKeyTable, KeepsEveryKeyThroughItsGrowth) {
    FixedKeyTable<10> table;
    EXPECT_EQ(table.Find(Key(1, "AB")), 0);
    for (int32_t i = 0; i < 20000; ++i) {
        const auto [value, added] = table.Insert(Key(i, i % 2 ? "O1AB" : "O1AC"), i + 1);
        EXPECT_TRUE(added);
        EXPECT_EQ(value, i + 1);
    }
    EXPECT_EQ(table.size(), 20000u);
    for (int32_t i = 0; i < 20000; ++i) ASSERT_EQ(table.Find(Key(i, i % 2 ? "O1AB" : "O1AC")), i + 1) << i;
    EXPECT_EQ(table.Find(Key(1, "O1AC")), 0);  // the same number with other text
    // An existing key keeps its value on Insert and takes it on Set.
    EXPECT_EQ(table.Insert(Key(7, "O1AB"), 99), (std::pair<int32_t, bool>{8, false}));
    table.Set(Key(7, "O1AB"), 99);
    table.Set(Key(-1, "NEW"), 5);
    EXPECT_EQ(table.Find(Key(7, "O1AB")), 99);
    EXPECT_EQ(table.Find(Key(-1, "NEW")), 5);
    EXPECT_EQ(table.size(), 20001u);
    table.Clear();
    EXPECT_TRUE(table.empty());
    EXPECT_EQ(table.Find(Key(7, "O1AB")), 0);
    EXPECT_TRUE(table.Insert(Key(7, "O1AB"), 3).second);
}

}  // namespace
