#pragma once
// A message vector over a storage V (MMsgVector or MMsgVectorRndRobin), which it points at and
// does not own. Appending never moves the next-to-send index; AdvanceNextToSend stops at the
// count. With auto-clear, the first HasMessagesToSend that finds every message taken empties the
// vector and keeps its first block for reuse.
#include <cstdint>
#include <cstdio>
#include <string>

#include "fields/MDescFormat.h"
#include "net/MComVectorMessageBase.h"

template <class V>
class MComVectorMessageMasterBase : public MComVectorMessageBase {
public:
    MComVectorMessageMasterBase(uint32_t id, V* storage) : MComVectorMessageBase(id), storage_(storage) {}

    uint32_t GetCount() const override { return storage_->Count(); }
    void AddString(const std::string& message) override {
        AddMessage(message.data(), static_cast<int>(message.size()));
    }
    void AddMessage(const char* data, int length) override {
        if (IsTraced()) TraceMessage(data, length);
        storage_->Append(data, length);
    }
    char* ReserveMessage(int length) override { return storage_->Reserve(length); }
    void CommitMessage(const char* data, unsigned length) override {
        if (IsTraced()) TraceMessage(data, static_cast<int>(length));
        storage_->Commit(length > 0x7FFFFFFFu ? -1 : static_cast<int>(length));
    }
    void AddMessageParts(const char* first, int firstLength, const char* second, int secondLength) override {
        if (IsTraced()) TraceMessageParts(first, firstLength, second, secondLength);
        storage_->AppendParts(first, firstLength, second, secondLength);
    }
    void RemoveLast(int count) override { storage_->RemoveLast(count); }
    void Clear() override {
        nextToSend_ = 0;
        storage_->Clear(false);
    }
    bool HasMessagesToSend() override {
        const uint32_t count = GetCount();
        if (nextToSend_ < count) return true;
        if (autoClear_ && count > 0) {
            nextToSend_ = 0;
            storage_->Clear(true);
        }
        return false;
    }
    void EnableAutoClear() override { autoClear_ = true; }
    const char* GetMessage(int* length, uint32_t index) override { return storage_->Get(index, length); }
    uint32_t GetNextToSend() const override { return nextToSend_; }
    void SetNextToSend(uint32_t index) override { nextToSend_ = index; }
    bool AdvanceNextToSend() override {
        const uint32_t count = GetCount();
        if (++nextToSend_ < count) return true;
        nextToSend_ = count;
        return false;
    }
    bool StepBackNextToSend() override {
        if (nextToSend_ == 0) return false;
        --nextToSend_;
        return true;
    }
    // "Master ID[%2lX] NextToSend/Max %d/%d %s ptr[%p]" under prefix + ".MComVector".
    void Describe(MDescFormat& describer, const std::string& prefix) override {
        const std::string base = GetDescription();
        char text[160];
        std::snprintf(text, sizeof text, "Master ID[%2lX] NextToSend/Max %d/%d %s ptr[%p]",
                      static_cast<unsigned long>(GetId()), static_cast<int>(nextToSend_),
                      static_cast<int>(GetCount()), base.c_str(), static_cast<const void*>(this));
        describer.WriteText(prefix + ".MComVector", text);
    }
    uint32_t GetFirstIndex() const override { return storage_->FirstIndex(); }

    bool IsAutoClear() const { return autoClear_; }

protected:
    V* storage_;
    uint32_t nextToSend_ = 0;
    bool autoClear_ = false;
};
