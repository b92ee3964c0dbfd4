#pragma once
// Asks the system to back a large buffer with huge pages, so that writing it the first time takes
// its memory once per two megabytes rather than once per page: a text of tens of megabytes built
// or converted in one go spends more on the pages it touches first than on its bytes. Advice
// only, for buffers of kHugePagesFrom bytes and more; the part of the buffer on whole huge pages
// is advised, and where the system has no huge pages to give the memory is backed as any other.
#include <cstddef>

constexpr std::size_t kHugePagesFrom = std::size_t(8) << 20;

void AdviseHugePages(void* data, std::size_t size);
