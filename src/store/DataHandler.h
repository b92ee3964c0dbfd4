#pragma once
// The session's store of one record kind: the records by key (owned, one per key) and the keys
// stored and removed since the grid windows last refreshed, in arrival order. Storing and
// removing push nothing while the initial load runs (the loading flag), since every window is
// refilled completely after it. GUI thread only.
#include <map>
#include <memory>

#include "store/BaseKey.h"
#include "store/InterfaceKeyVector.h"

template <class T>
class DataHandler {
public:
    // The record under key, or null; never inserts.
    T* Find(BaseKey key) const {
        const auto at = Records.find(key);
        return at == Records.end() ? nullptr : at->second.get();
    }
    // Assigns the record into the one under its key, or adds a copy; pushes the key on
    // ChangedKeys unless loading. Returns the stored record.
    T* Store(const T& record, bool loading) {
        const BaseKey key = record.GetKey();
        std::unique_ptr<T>& stored = Records[key];
        if (stored) {
            *stored = record;
        } else {
            stored = std::make_unique<T>(record);
        }
        if (!loading) ChangedKeys.push_back(key);
        return stored.get();
    }
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

    std::map<BaseKey, std::unique_ptr<T>> Records;
    InterfaceKeyVector ChangedKeys;
    InterfaceKeyVector RemovedKeys;
};
