#pragma once
// A set of at most 64 socket handles watched for readability, with the handles that the last
// wait reported ready. The waiter polls the input set with poll(); each wait over a set adds one
// to its pass counter, so that a reader can take one readiness report at most once (TakeReady).
// GUI thread only.
#include <cstdint>

class MEventSocketSelect;
class MSocket;

// A wait: seconds and microseconds.
struct MSelectWait {
    int32_t Seconds = 0;
    int32_t Microseconds = 0;
};

class MSocketSet {
public:
    static constexpr int kMaxHandles = 64;
    // The handle of a socket that has none.
    static constexpr int kInvalidHandle = 0x7FFFFFFF;

    MSocketSet(MEventSocketSelect* owner, uint8_t kind) : owner_(owner), kind_(kind) {}
    virtual ~MSocketSet() = default;

    // Watches h once; a 65th handle is not watched.
    virtual void Add(int h);
    virtual void Remove(int h);
    virtual bool IsReady(int h) const;
    // Nothing happens: a reader tells the set that it read all its socket had.
    virtual void MarkDrained(int h, bool flag) {}
    // False when this pass's report was taken already (the generation equals the pass counter);
    // otherwise stores the pass counter in the generation and answers IsSocketReady.
    virtual bool TakeReady(const MSocket* socket, uint32_t& generation);
    // Copies the watched handles into the ready handles.
    virtual void PrepareReady();

    bool AddSocket(const MSocket* socket);
    void RemoveSocket(const MSocket* socket);
    bool IsSocketReady(const MSocket* socket) const;
    void SocketDrained(const MSocket* socket, bool flag);

    // Waits up to wait (null: no limit) for a watched handle of inputSet to become readable: the
    // number of ready handles, 0, or -1 after a failing wait (logged). Without a watched handle
    // it sleeps for the wait and answers 0, leaving the pass counter alone.
    static int32_t Select(MSocketSet* inputSet, MSocketSet* outputSet, const MSelectWait* wait);

    uint16_t GetCount() const { return count_; }
    uint32_t GetPassCounter() const { return passCounter_; }
    int32_t GetHighestHandle() const { return highest_; }
    uint8_t GetKind() const { return kind_; }
    MEventSocketSelect* GetOwner() const { return owner_; }
    int GetHandle(int index) const { return handles_[index]; }

private:
    int handles_[kMaxHandles] = {};
    bool ready_[kMaxHandles] = {};
    uint16_t count_ = 0;
    uint32_t passCounter_ = 0;
    int32_t highest_ = 0;
    MEventSocketSelect* owner_;
    uint8_t kind_;
};
