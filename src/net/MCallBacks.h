#pragma once
// A named list of callbacks that owns them: clearing it (DeleteAll) destroys every callback it
// holds, skipping empty entries, then empties the list; destroying the list clears it. Not
// copyable.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/MCallBack.h"

template <class T>
class MCallBacks {
public:
    // A list of count empty entries and an empty name.
    explicit MCallBacks(std::size_t count = 0) : callBacks_(count) {}
    MCallBacks(const MCallBacks&) = delete;
    MCallBacks& operator=(const MCallBacks&) = delete;

    // An empty callBack adds an empty entry.
    void Add(std::unique_ptr<MCallBack<T>> callBack) { callBacks_.push_back(std::move(callBack)); }
    void DeleteAll() { callBacks_.clear(); }

    std::size_t GetCount() const { return callBacks_.size(); }
    MCallBack<T>* GetAt(std::size_t index) const {
        return index < callBacks_.size() ? callBacks_[index].get() : nullptr;
    }
    const std::string& GetName() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }

private:
    std::vector<std::unique_ptr<MCallBack<T>>> callBacks_;
    std::string name_;
};
