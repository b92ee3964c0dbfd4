#pragma once
// Memory for the nodes of one store's map: nodes of one size carved one after another from chunks,
// a freed node reused first. The first chunks are of a megabyte, from the heap; past them (a large
// store) chunks of two megabytes are mapped from the system on a two-megabyte boundary and it is
// asked to back them with huge pages, so that a large load takes its memory once per chunk rather
// than once per page. When the last node is freed (the store emptied, as a reset does) the pool
// starts again at its first chunk, so that the next load fills the same memory in order without
// asking the system for it again; the chunks go back when the pool is destroyed. NodeAllocator
// hands a map's nodes to a pool; an allocation of any other size (or of several objects) goes to
// the global heap. One thread per pool; the pool outlives the maps that use it (a copy of a map
// takes its nodes from the same pool). Under AddressSanitizer the memory of a node not in use is
// poisoned, so that a use after its erasure is still reported.
#include <sanitizer/asan_interface.h>

#include <algorithm>
#include <cstddef>
#include <new>
#include <vector>

class NodePool {
public:
    NodePool() = default;
    NodePool(const NodePool&) = delete;
    NodePool& operator=(const NodePool&) = delete;
    ~NodePool() {
        for (const Chunk& chunk : chunks_) {
            ASAN_UNPOISON_MEMORY_REGION(chunk.bytes, chunk.size);
            Release(chunk);
        }
    }

    // The bytes of every pool's chunks mapped from the system rather than taken from the heap.
    static std::size_t MappedBytes();

    // A node of size bytes aligned to align (a power of two no larger than the heap's).
    void* Allocate(std::size_t size, std::size_t align) {
        if (size_ == 0) {
            size_ = size;
            stride_ = (std::max(size, sizeof(void*)) + align - 1) / align * align;
        }
        if (size != size_) return ::operator new(size);
        ++live_;
        void* node = free_;
        if (node) {
            free_ = *static_cast<void**>(node);
        } else {
            if (static_cast<std::size_t>(end_ - next_) < stride_) NextChunk();
            node = next_;
            next_ += stride_;
        }
        ASAN_UNPOISON_MEMORY_REGION(node, stride_);
        return node;
    }
    void Deallocate(void* node, std::size_t size) {
        if (size != size_) {
            ::operator delete(node);
            return;
        }
        ASAN_POISON_MEMORY_REGION(static_cast<std::byte*>(node) + sizeof(void*), stride_ - sizeof(void*));
        *static_cast<void**>(node) = free_;
        free_ = node;
        if (--live_ == 0) Rewind();
    }

private:
    struct Chunk {
        std::byte* bytes;
        std::size_t size;
        bool mapped;  // from the system, else from the heap
    };
    // A new chunk for the index-th place of the pool, and the return of one.
    static Chunk NewChunk(std::size_t index);
    static void Release(const Chunk& chunk);

    void NextChunk() {
        if (chunk_ == chunks_.size()) {
            chunks_.reserve(chunks_.size() + 1);  // so that the new chunk, once had, is kept
            chunks_.push_back(NewChunk(chunks_.size()));
            ASAN_POISON_MEMORY_REGION(chunks_.back().bytes, chunks_.back().size);
        }
        const Chunk& chunk = chunks_[chunk_];
        next_ = chunk.bytes;
        end_ = next_ + chunk.size / stride_ * stride_;
        ++chunk_;
    }
    void Rewind() {
        for (const Chunk& chunk : chunks_) ASAN_POISON_MEMORY_REGION(chunk.bytes, chunk.size);
        free_ = nullptr;
        chunk_ = 0;
        next_ = end_ = nullptr;
    }

    std::vector<Chunk> chunks_;
    std::size_t chunk_ = 0;  // the chunk after the one being carved
    std::byte* next_ = nullptr;
    std::byte* end_ = nullptr;
    void* free_ = nullptr;
    std::size_t size_ = 0;
    std::size_t stride_ = 0;
    std::size_t live_ = 0;
};

template <class T>
class NodeAllocator {
public:
    using value_type = T;

    explicit NodeAllocator(NodePool* pool) : pool_(pool) {}
    template <class U>
    NodeAllocator(const NodeAllocator<U>& other) : pool_(other.pool_) {}

    T* allocate(std::size_t count) {
        if (count != 1) return static_cast<T*>(::operator new(count * sizeof(T)));
        static_assert(alignof(T) <= alignof(std::max_align_t) && alignof(T) >= alignof(void*));
        return static_cast<T*>(pool_->Allocate(sizeof(T), alignof(T)));
    }
    void deallocate(T* node, std::size_t count) {
        if (count != 1) {
            ::operator delete(node);
            return;
        }
        pool_->Deallocate(node, sizeof(T));
    }
    template <class U>
    bool operator==(const NodeAllocator<U>& other) const {
        return pool_ == other.pool_;
    }

private:
    template <class U>
    friend class NodeAllocator;
    NodePool* pool_;
};
