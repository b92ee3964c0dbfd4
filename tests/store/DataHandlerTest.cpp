#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "TradeRecord.h"
#include "store/DataHandler.h"

namespace {

TEST(DataHandler, StoresInPlaceAndListsTheKeysUnlessLoading) {
    DataHandler<Trade> store;
    Trade* stored = store.Store(Trade(1, "a", 1), false);
    EXPECT_EQ(store.Store(Trade(1, "b", 2), false), stored);  // assigned in place
    EXPECT_EQ(stored->Name.ToString(), "b");
    store.Store(Trade(2, "c", 3), true);
    store.Store(Trade(3, "d", 4), false);
    EXPECT_EQ(store.Records.size(), 3u);
    EXPECT_EQ(store.ChangedKeys, (InterfaceKeyVector{{BaseKey(0, 1), BaseKey(0, 1), BaseKey(0, 3)}}));

    EXPECT_EQ(store.Find(BaseKey(0, 2))->Name.ToString(), "c");
    EXPECT_EQ(store.Find(BaseKey(0, 9)), nullptr);
    EXPECT_EQ(store.Records.size(), 3u);  // Find never inserts

    store.Remove(BaseKey(0, 2), false);
    store.Remove(BaseKey(0, 3), true);
    store.Remove(BaseKey(0, 9), false);  // absent: nothing
    EXPECT_EQ(store.RemovedKeys, (InterfaceKeyVector{{BaseKey(0, 2)}}));
    EXPECT_EQ(store.Records.size(), 1u);

    store.DeleteAll();
    EXPECT_TRUE(store.Records.empty());
    EXPECT_EQ(store.ChangedKeys.size(), 3u);
    EXPECT_EQ(store.RemovedKeys.size(), 1u);
    EXPECT_EQ(store.Find(BaseKey(0, 1)), nullptr);
    store.Store(Trade(4, "e", 5), false);  // freed with the handler
}

// Random stores, removals and emptyings against a plain map: the same records, each left in place
// while it stays stored, however the memory of removed ones is reused.
TEST(DataHandler, KeepsWhatAPlainMapKeepsThroughRandomChanges) {
    std::mt19937 random(5);
    DataHandler<Trade> store;
    std::map<int, std::pair<std::string, const Trade*>> expected;
    for (int round = 0; round < 30000; ++round) {
        const int id = static_cast<int>(random() % 2000);
        const uint32_t action = random() % 100;
        if (action == 0) {
            store.DeleteAll();
            expected.clear();
        } else if (action < 40) {
            store.Remove(BaseKey(0, id), true);
            expected.erase(id);
        } else {
            const std::string name = std::to_string(random() % 1000);
            const Trade* stored = store.Store(Trade(id, name.c_str(), 1), true);
            const auto [at, added] = expected.try_emplace(id, name, stored);
            if (!added) {
                ASSERT_EQ(stored, at->second.second) << "moved";
                at->second.first = name;
            }
        }
        if (round % 1000 != 999) continue;
        ASSERT_EQ(store.Records.size(), expected.size());
        auto at = expected.begin();
        for (const auto& [key, trade] : store.Records) {
            ASSERT_EQ(key.Second.GetValue(), at->first);
            ASSERT_EQ(trade.Name.ToString(), at->second.first);
            ASSERT_EQ(&trade, at->second.second);
            ++at;
        }
    }
}

// A store of several megabytes, emptied and filled again in the same order, puts every record where
// it was: the memory of the first load is the memory of the next.
TEST(DataHandler, AStoreFilledAgainTakesTheSameMemory) {
    DataHandler<Trade> store;
    const int count = static_cast<int>((std::size_t(12) << 20) / sizeof(Trade));
    std::vector<const Trade*> first;
    for (int id = 0; id < count; ++id) first.push_back(store.Store(Trade(id, "a", id), true));
    store.DeleteAll();
    for (int id = 0; id < count; ++id) {
        const Trade* stored = store.Store(Trade(id, "b", -id), true);
        ASSERT_EQ(stored, first[static_cast<std::size_t>(id)]) << id;
        ASSERT_EQ(stored->Name.ToString(), "b");
    }
    EXPECT_EQ(store.Records.size(), static_cast<std::size_t>(count));
}

}  // namespace
