#pragma once
// The session's store of one record kind: the records by key (held in the map's nodes, one per
// key; a record stays in place until it is removed) and the keys stored and removed since the
// grid windows last refreshed, in arrival order. Storing and
// removing push nothing while the initial load runs (the loading flag), since every window is
// refilled completely after it. The map's nodes come from the handler's own pool (NodePool): a
// store emptied keeps their memory for the next load. Not copied. GUI thread only.
#include <functional>
#include <map>

#include "store/BaseKey.h"
#include "store/InterfaceKeyVector.h"
#include "store/NodePool.h"

// The records of a store by key.
template <class T>
using RecordMap = std::map<BaseKey, T, std::less<BaseKey>, NodeAllocator<std::pair<const BaseKey, T>>>;

template <class T>
class DataHandler {
public:
    DataHandler() = default;
    DataHandler(const DataHandler&) = delete;
    DataHandler& operator=(const DataHandler&) = delete;

    // The record under key, or null; never inserts.
    T* Find(BaseKey key) {
        const auto at = Records.find(key);
        return at == Records.end() ? nullptr : &at->second;
    }
    const T* Find(BaseKey key) const {
        const auto at = Records.find(key);
        return at == Records.end() ? nullptr : &at->second;
    }
    // Assigns the record into the one under its key, or adds a copy; pushes the key on
    // ChangedKeys unless loading. Returns the stored record. A key above every stored one (records
    // arriving in key order) is added at the end without a search.
    T* Store(const T& record, bool loading) { return Store(record, record.GetKey(), loading); }
    // The same under key, which the caller knows to be the record's own.
    T* Store(const T& record, const BaseKey& key, bool loading) {
        auto at = Records.empty() || Records.rbegin()->first < key ? Records.end() : Records.lower_bound(key);
        if (at != Records.end() && at->first == key) {
            at->second = record;
        } else {
            at = Records.emplace_hint(at, key, record);
        }
        if (!loading) ChangedKeys.push_back(key);
        return &at->second;
    }
    // Whether a record with that key would be added above every stored one.
    bool IsAboveAll(const BaseKey& key) const { return Records.empty() || Records.rbegin()->first < key; }
    // Deletes the record under key and pushes the key on RemovedKeys unless loading; an absent
    // key changes nothing.
    void Remove(const BaseKey& key, bool loading) {
        const auto at = Records.find(key);
        if (at == Records.end()) return;
        Records.erase(at);
        if (!loading) RemovedKeys.push_back(key);
    }
    // Deletes every record; the key lists stay as they are.
    void DeleteAll() { Records.clear(); }

private:
    NodePool pool_;  // before Records, which it outlives

public:
    RecordMap<T> Records{NodeAllocator<std::pair<const BaseKey, T>>(&pool_)};
    InterfaceKeyVector ChangedKeys;
    InterfaceKeyVector RemovedKeys;
};
