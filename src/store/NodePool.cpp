#include "store/NodePool.h"

#include <sys/mman.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr std::size_t kSmallChunkBytes = std::size_t(1) << 20;
constexpr std::size_t kSmallChunks = 4;
constexpr std::size_t kHugePageBytes = std::size_t(2) << 20;

std::atomic<std::size_t> mappedBytes{0};

// size bytes mapped on a huge page's boundary: a mapping of a huge page more, its ends cut off.
std::byte* MapAligned(std::size_t size) {
    const std::size_t span = size + kHugePageBytes;
    void* mapping = ::mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapping);
    const std::uintptr_t aligned = (start + kHugePageBytes - 1) & ~(kHugePageBytes - 1);
    if (aligned > start) ::munmap(mapping, aligned - start);
    if (start + span > aligned + size)
        ::munmap(reinterpret_cast<void*>(aligned + size), start + span - aligned - size);
    void* bytes = reinterpret_cast<void*>(aligned);
#ifdef MADV_HUGEPAGE
    // Advice only: where the system has no huge pages to give, the chunk is backed as any memory.
    ::madvise(bytes, size, MADV_HUGEPAGE);
#endif
    return static_cast<std::byte*>(bytes);
}

}  // namespace

std::size_t NodePool::MappedBytes() {
    return mappedBytes.load(std::memory_order_relaxed);
}

NodePool::Chunk NodePool::NewChunk(std::size_t index) {
    if (index >= kSmallChunks) {
        std::byte* bytes = MapAligned(kHugePageBytes);
        mappedBytes.fetch_add(kHugePageBytes, std::memory_order_relaxed);
        return Chunk{bytes, kHugePageBytes, true};
    }
    void* bytes = std::malloc(kSmallChunkBytes);
    if (!bytes) throw std::bad_alloc();
    return Chunk{static_cast<std::byte*>(bytes), kSmallChunkBytes, false};
}

void NodePool::Release(const Chunk& chunk) {
    if (!chunk.mapped) {
        std::free(chunk.bytes);
        return;
    }
    ::munmap(chunk.bytes, chunk.size);
    mappedBytes.fetch_sub(chunk.size, std::memory_order_relaxed);
}
