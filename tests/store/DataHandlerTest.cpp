#include <gtest/gtest.h>

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

}  // namespace
