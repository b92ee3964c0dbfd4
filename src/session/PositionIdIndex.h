#pragma once
// The session's position ids: one per account part (4 bytes) and instrument (group and instrument
// as received, 6 bytes), handed out from 1 in order of first use, never taken back (Clear starts
// again from 1). The ids of an account are chained latest first, so that its positions are found
// without a search of the store. A pair is looked for among the 16 latest ids of its account by
// their instruments, held side by side by id (ids handed out together, as a load does, are
// neighbours in memory); older ids of an account that has more are entered in a hash table as
// they fall out of the 16 latest. Memory: 10 bytes per id beside the account table, and 14 bytes
// per slot of that hash table for the ids of large accounts only. The latest id of the account
// last looked for is kept aside, since the positions of an account mostly come together.
#include <cstdint>
#include <utility>
#include <vector>

#include "session/FixedKeyTable.h"
#include "session/FixedTextHash.h"

class PositionIdIndex {
public:
    using Instrument = FixedTextKey<6>;

    PositionIdIndex();

    // The id of the pair, 0 when it has none.
    int32_t Find(int32_t account, const Instrument& instrument) const;
    // The id of the pair, handed out as size() + 1 when it has none; and whether it was.
    std::pair<int32_t, bool> Insert(int32_t account, const Instrument& instrument);
    // The ids of the account part, in the order they were handed out.
    std::vector<int32_t> IdsOf(int32_t account) const;

    std::size_t size() const { return earlier_.size() - 1; }
    bool empty() const { return size() == 0; }
    // Forgets every id; the memory is kept for the ids to come.
    void Clear();

private:
    static constexpr int kRecent = 16;

    static FixedTextKey<4> AccountKey(int32_t account);
    static FixedTextKey<10> PairKey(int32_t account, const Instrument& instrument);
    // The id of the pair among the account's latest kRecent ids, with the latest id (0: none) and
    // the count of ids walked, and the last one walked.
    struct Walk {
        int32_t Found = 0;
        int32_t Latest = 0;
        int Depth = 0;
        int32_t Deepest = 0;
        bool Ended = true;  // the account has no other id
    };
    Walk Recent(int32_t account, const Instrument& instrument) const;

    FixedKeyTable<4> latest_;              // account part -> its latest id
    std::vector<int32_t> earlier_;         // id -> the id handed out before it for its account (0: none)
    std::vector<Instrument> instruments_;  // id -> its group and instrument
    FixedKeyTable<10> older_;              // (account part, instrument) -> id, beyond the latest kRecent
    // The account part last looked for and its latest id (0: none); mutable, as a cache.
    mutable int32_t cachedAccount_ = 0;
    mutable int32_t cachedLatest_ = 0;
    // The latest id of the account part, 0 when it has none.
    int32_t Latest(int32_t account) const;
};
