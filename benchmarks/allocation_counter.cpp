#include "allocation_counter.h"

#include <atomic>
#include <cerrno>
#include <cstddef>

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
}

namespace {
// SDL may run threads of its own.
std::atomic<unsigned long> allocations{0};

void Count() { allocations.fetch_add(1, std::memory_order_relaxed); }
} // namespace

unsigned long AllocationsSoFar() { return allocations.load(std::memory_order_relaxed); }

extern "C" {

void* malloc(size_t size) {
    Count();
    return __libc_malloc(size);
}

void* calloc(size_t count, size_t size) {
    Count();
    return __libc_calloc(count, size);
}

void* realloc(void* block, size_t size) {
    Count();
    return __libc_realloc(block, size);
}

void* memalign(size_t alignment, size_t size) {
    Count();
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(size_t alignment, size_t size) { return memalign(alignment, size); }

int posix_memalign(void** block, size_t alignment, size_t size) {
    void* allocated = memalign(alignment, size);
    if (!allocated) {
        return ENOMEM;
    }
    *block = allocated;
    return 0;
}

} // extern "C"
