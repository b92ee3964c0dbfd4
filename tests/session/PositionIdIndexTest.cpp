// The position ids against a plain map of the pairs: random pairs over accounts of a few and of
// hundreds of instruments (so that ids fall beyond an account's latest ones), looked for and
// handed out in turn, and the ids of each account in the order they were handed out.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "session/PositionIdIndex.h"

namespace {

PositionIdIndex::Instrument InstrumentOf(uint32_t number) {
    PositionIdIndex::Instrument instrument;
    instrument.fill(' ');
    const std::string text = (number % 2 ? "O1" : "F1") + std::to_string(number % 10000);
    std::memcpy(instrument.data(), text.data(), std::min<std::size_t>(text.size(), 6));
    return instrument;
}

TEST(PositionIdIndex, HandsOutAndFindsIdsAsAMapOfThePairs) {
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        PositionIdIndex index;
        std::map<std::pair<int32_t, std::string>, int32_t> expected;
        std::map<int32_t, std::vector<int32_t>> byAccount;
        for (int round = 0; round < 20000; ++round) {
            // Account 7 gathers hundreds of instruments; the others a few each.
            const int32_t account = random() % 4 == 0 ? 7 : static_cast<int32_t>(random() % 300) - 1;
            const uint32_t instrument = account == 7 ? random() % 700 : random() % 30;
            const PositionIdIndex::Instrument key = InstrumentOf(instrument);
            const auto pair = std::make_pair(account, std::string(key.data(), key.size()));
            const auto at = expected.find(pair);
            const int32_t known = at == expected.end() ? 0 : at->second;
            ASSERT_EQ(index.Find(account, key), known) << account << " " << instrument;
            if (random() % 3 == 0) continue;  // looked for only
            const auto [id, added] = index.Insert(account, key);
            if (known != 0) {
                ASSERT_EQ(id, known);
                ASSERT_FALSE(added);
            } else {
                ASSERT_TRUE(added);
                ASSERT_EQ(id, static_cast<int32_t>(expected.size()) + 1);
                expected.emplace(pair, id);
                byAccount[account].push_back(id);
            }
            ASSERT_EQ(index.size(), expected.size());
        }
        for (const auto& [pair, id] : expected) {
            PositionIdIndex::Instrument key;
            std::memcpy(key.data(), pair.second.data(), key.size());
            ASSERT_EQ(index.Find(pair.first, key), id);
        }
        for (const auto& [account, ids] : byAccount) ASSERT_EQ(index.IdsOf(account), ids) << account;
        EXPECT_TRUE(index.IdsOf(100000).empty());
        index.Clear();
        EXPECT_TRUE(index.empty());
        EXPECT_EQ(index.Find(7, InstrumentOf(1)), 0);
        EXPECT_EQ(index.Insert(7, InstrumentOf(1)), (std::pair<int32_t, bool>{1, true}));
    }
}

}  // namespace
