#include "store/NodePool.h"

#include <sys/mman.h>

#include <cstdlib>

namespace {

constexpr std::size_t kSmallChunkBytes = std::size_t(1) << 20;
constexpr std::size_t kSmallChunks = 4;
constexpr std::size_t kHugePageBytes = std::size_t(2) << 20;

}  // namespace

void NodePool::Free::operator()(std::byte* bytes) const {
    std::free(bytes);
}

NodePool::Chunk NodePool::NewChunk(std::size_t index) {
    const bool huge = index >= kSmallChunks;
    const std::size_t size = huge ? kHugePageBytes : kSmallChunkBytes;
    void* bytes = huge ? std::aligned_alloc(kHugePageBytes, size) : std::malloc(size);
    if (!bytes) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    // Advice only: where the system has no huge pages to give, the chunk is backed as any memory.
    if (huge) ::madvise(bytes, size, MADV_HUGEPAGE);
#endif
    return Chunk{std::unique_ptr<std::byte, Free>(static_cast<std::byte*>(bytes)), size};
}
