// Name to index of an enumeration's name tables, checked against a plain scan of the names over
// random texts: the names themselves, near misses (cut, lengthened, one byte changed) and random
// bytes, for a table small enough to be scanned and for one large enough to be hashed, both with
// repeated names, an empty name and bytes above 127.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>
#include <string>

#include "fields/MEnumNames.h"

namespace {
enum class SmallNames : int {};
enum class LargeNames : int {};

constexpr int kLargeCount = 300;
constexpr std::size_t kLargeWidth = 8;

// Names of up to seven bytes over a few letters (so that many share prefixes and lengths), every
// 37th one a repeat of an earlier name, the 100th empty, every 50th holding a byte above 127.
constexpr std::array<std::array<char, kLargeWidth>, kLargeCount> LargeNameTexts() {
    std::array<std::array<char, kLargeWidth>, kLargeCount> texts{};
    uint32_t state = 12345;
    for (int i = 0; i < kLargeCount; ++i) {
        if (i % 37 == 36) {
            texts[i] = texts[i / 3];
            continue;
        }
        if (i == 100) continue;
        state = state * 1103515245u + 12345u;
        const std::size_t length = 1 + (state >> 16) % (kLargeWidth - 1);
        for (std::size_t k = 0; k < length; ++k) {
            state = state * 1103515245u + 12345u;
            texts[i][k] = static_cast<char>("ABCab_"[(state >> 16) % 6]);
        }
        if (i % 50 == 7) texts[i][0] = static_cast<char>(0xE9);
    }
    return texts;
}
}  // namespace

template <>
struct MEnumTable<SmallNames> {
    static constexpr char kTypeName[] = "SmallNames";
    static constexpr const char* kNames[] = {"Unknown",   "First",  "Second", "",   "First",
                                             "\xE9t\xE9", "Firsts", "A",      "AB", "B"};
};

template <>
struct MEnumTable<LargeNames> {
    static constexpr char kTypeName[] = "LargeNames";
    static constexpr auto kTexts = LargeNameTexts();
    static constexpr auto kNames = [] {
        std::array<const char*, kLargeCount> names{};
        for (int i = 0; i < kLargeCount; ++i) names[i] = kTexts[i].data();
        return names;
    }();
};

namespace {

// The index of the first name of exactly these bytes, or -1.
template <class Names, int N>
int ScanFor(const std::string& text) {
    for (int i = 0; i < N; ++i) {
        if (std::strlen(Names::kNames[i]) == text.size() &&
            std::memcmp(Names::kNames[i], text.data(), text.size()) == 0)
            return i;
    }
    return -1;
}

// A random text: a name as it stands, cut, lengthened or with one byte changed, or random bytes.
template <class Names, int N>
std::string RandomText(std::mt19937& random) {
    std::string text = Names::kNames[random() % N];
    const auto byte = [&] { return static_cast<char>(random() % 256); };
    switch (random() % 5) {
        case 0:
            break;
        case 1:
            if (!text.empty()) text.pop_back();
            break;
        case 2:
            text.push_back(random() % 2 ? byte() : text.empty() ? 'A' : text.back());
            break;
        case 3:
            if (!text.empty()) text[random() % text.size()] = random() % 2 ? byte() : "ABCab_"[random() % 6];
            break;
        default:
            text.resize(random() % 9);
            for (char& c : text) c = byte();
            break;
    }
    return text;
}

template <class E, int N>
void ExpectFindAsTheScan() {
    using Names = MEnumNames<E, N>;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        for (int round = 0; round < 2000; ++round) {
            const std::string text = RandomText<Names, N>(random);
            const int expected = ScanFor<Names, N>(text);
            ASSERT_EQ(Names::Find(text.data(), static_cast<int>(text.size())), expected)
                << "seed " << seed << " text \"" << text << "\"";
            if (text.find('\0') == std::string::npos) {
                ASSERT_EQ(Names::FindTerminated(text.c_str()), expected) << "seed " << seed;
            }
        }
    }
}

TEST(MEnumNames, FindGivesTheFirstEqualNameAsAScanDoes) {
    {
        SCOPED_TRACE("scanned table");
        ExpectFindAsTheScan<SmallNames, 10>();
    }
    {
        SCOPED_TRACE("hashed table");
        ExpectFindAsTheScan<LargeNames, kLargeCount>();
    }
}

TEST(MEnumNames, EveryNameFindsItsFirstOccurrence) {
    using Large = MEnumNames<LargeNames, kLargeCount>;
    using Small = MEnumNames<SmallNames, 10>;
    for (int i = 0; i < kLargeCount; ++i) {
        SCOPED_TRACE(i);
        const std::string name = Large::kNames[i];
        EXPECT_EQ(Large::Find(name.data(), static_cast<int>(name.size())),
                  (ScanFor<Large, kLargeCount>(name)));
    }
    // The repeats and the empty name that the table was built with.
    EXPECT_LE(Large::FindTerminated(Large::kNames[36]), 12);
    EXPECT_EQ(Large::Find("", 0), 100);
    EXPECT_EQ(Small::FindTerminated("First"), 1);
    EXPECT_EQ(Small::Find("", 0), 3);
    EXPECT_EQ(Small::Find(nullptr, 0), -1);
    EXPECT_EQ(Large::Find("A", -1), -1);
}

}  // namespace
