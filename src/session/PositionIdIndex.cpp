#include "session/PositionIdIndex.h"

#include <algorithm>
#include <cstring>

PositionIdIndex::PositionIdIndex() {
    Clear();
}

FixedTextKey<4> PositionIdIndex::AccountKey(int32_t account) {
    FixedTextKey<4> key;
    std::memcpy(key.data(), &account, 4);
    return key;
}

FixedTextKey<10> PositionIdIndex::PairKey(int32_t account, const Instrument& instrument) {
    FixedTextKey<10> key;
    std::memcpy(key.data(), &account, 4);
    std::memcpy(key.data() + 4, instrument.data(), 6);
    return key;
}

int32_t PositionIdIndex::Latest(int32_t account) const {
    if (account != cachedAccount_ || cachedLatest_ == 0) {
        cachedAccount_ = account;
        cachedLatest_ = latest_.Find(AccountKey(account));
    }
    return cachedLatest_;
}

PositionIdIndex::Walk PositionIdIndex::Recent(int32_t account, const Instrument& instrument) const {
    Walk walk;
    walk.Latest = Latest(account);
    int32_t id = walk.Latest;
    for (; id != 0 && walk.Depth < kRecent; ++walk.Depth) {
        if (SameFixedText(instruments_[static_cast<std::size_t>(id)], instrument)) {
            walk.Found = id;
            return walk;
        }
        walk.Deepest = id;
        id = earlier_[static_cast<std::size_t>(id)];
    }
    walk.Ended = id == 0;
    return walk;
}

int32_t PositionIdIndex::Find(int32_t account, const Instrument& instrument) const {
    const Walk walk = Recent(account, instrument);
    if (walk.Found != 0 || walk.Ended) return walk.Found;
    return older_.Find(PairKey(account, instrument));
}

std::pair<int32_t, bool> PositionIdIndex::Insert(int32_t account, const Instrument& instrument) {
    const Walk walk = Recent(account, instrument);
    if (walk.Found != 0) return {walk.Found, false};
    if (!walk.Ended) {
        if (const int32_t id = older_.Find(PairKey(account, instrument))) return {id, false};
    }
    const auto id = static_cast<int32_t>(earlier_.size());
    earlier_.push_back(walk.Latest);
    instruments_.push_back(instrument);
    latest_.Set(AccountKey(account), id);
    cachedAccount_ = account;
    cachedLatest_ = id;
    // The deepest id walked is now one beyond the latest kRecent.
    if (walk.Depth == kRecent)
        older_.Insert(PairKey(account, instruments_[static_cast<std::size_t>(walk.Deepest)]), walk.Deepest);
    return {id, true};
}

std::vector<int32_t> PositionIdIndex::IdsOf(int32_t account) const {
    std::vector<int32_t> ids;
    for (int32_t id = Latest(account); id != 0; id = earlier_[static_cast<std::size_t>(id)])
        ids.push_back(id);
    std::reverse(ids.begin(), ids.end());
    return ids;
}

void PositionIdIndex::Clear() {
    cachedLatest_ = 0;
    latest_.Clear();
    older_.Clear();
    earlier_.assign(1, 0);
    instruments_.assign(1, Instrument{});
}
