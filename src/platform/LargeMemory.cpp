#include "platform/LargeMemory.h"

#include <cstdint>

#if defined(__linux__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace parvela::platform {

void preferHugePages(void* block, std::size_t bytes) {
#if defined(MADV_HUGEPAGE)
    constexpr std::size_t kHugePage = 2u << 20;
    if (bytes < 2 * kHugePage)
        return;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + page - 1) & ~(page - 1);
    const std::uintptr_t end = (start + bytes) & ~(page - 1);
    if (end > first)
        madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#else
    static_cast<void>(block);
    static_cast<void>(bytes);
#endif
}

void keepFreedMemoryForReuse() {
#if defined(M_MMAP_THRESHOLD)
    // A product list of 200,000 products is about 130 MB.
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
#endif
}

} // namespace parvela::platform
