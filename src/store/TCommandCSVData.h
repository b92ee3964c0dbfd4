#pragma once
// The records of one import file of T (AccountImport or PositionImport), in file order, filled
// by CommandCSVData::LoadFile. Record number n (from 1) is Records[n - 1]. Every import record
// has the key (0, 0), so the key operations act on the first record. One thread.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "store/BaseKey.h"
#include "store/CommandCSVData.h"

template <class T>
class TCommandCSVData : public CommandCSVData {
public:
    // Reads the loaded line into a new record; a field that raises leaves no record.
    void ReadRecord() override {
        T record;
        record.FormatObject(Reader);
        Records.push_back(record);
        RecordLines[static_cast<uint32_t>(Records.size())] = LineCounter;
    }
    int32_t WriteRecords() override {
        for (T& record : Records) {
            Writer.ClearOutput();
            record.FormatObject(Writer);
            WriteLine();
        }
        return static_cast<int32_t>(Records.size());
    }
    void ClearRecords() override { Records.clear(); }
    int32_t GetRecordCount() const override { return static_cast<int32_t>(Records.size()); }

    // Overwrites the first record with the same key.
    virtual void UpdateRecord(T record) {
        const auto at = FindKey(record.GetKey());
        if (at == Records.end()) return;
        *at = record;
        Modified = true;
    }
    virtual void AddRecord(T record) {
        Records.push_back(record);
        Modified = true;
    }
    // Erases the first record with the same key.
    virtual void RemoveRecord(T record) { RemoveRecordByKey(record.GetKey()); }
    virtual void RemoveRecordByKey(BaseKey key) {
        const auto at = FindKey(key);
        if (at == Records.end()) return;
        Records.erase(at);
        Modified = true;
    }

    std::vector<T> Records;

private:
    typename std::vector<T>::iterator FindKey(const BaseKey& key) {
        return std::find_if(Records.begin(), Records.end(),
                            [&](const T& record) { return record.GetKey() == key; });
    }
};
