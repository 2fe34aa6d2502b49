#include "htmlviewmemory.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>

extern "C" {
void *__libc_malloc(size_t size);
void *__libc_calloc(size_t count, size_t size);
void *__libc_realloc(void *block, size_t size);
void __libc_free(void *block);
void *__libc_memalign(size_t alignment, size_t size);
}

namespace {

std::atomic<long long> g_inUse{0};
std::atomic<long long> g_peak{0};
std::atomic<long long> g_base{0};

void account(long long delta)
{
    const long long now = g_inUse.fetch_add(delta, std::memory_order_relaxed) + delta;
    long long peak = g_peak.load(std::memory_order_relaxed);
    while (now > peak && !g_peak.compare_exchange_weak(peak, now, std::memory_order_relaxed)) {
    }
}

long long sizeOf(void *block)
{
    return block ? (long long)malloc_usable_size(block) : 0;
}

} // namespace

extern "C" {

void *malloc(size_t size)
{
    void *block = __libc_malloc(size);
    account(sizeOf(block));
    return block;
}

void *calloc(size_t count, size_t size)
{
    void *block = __libc_calloc(count, size);
    account(sizeOf(block));
    return block;
}

void *realloc(void *old, size_t size)
{
    const long long before = sizeOf(old);
    void *block = __libc_realloc(old, size);
    if (block || size == 0)
        account(sizeOf(block) - before);
    return block;
}

void free(void *block)
{
    account(-sizeOf(block));
    __libc_free(block);
}

void *memalign(size_t alignment, size_t size)
{
    void *block = __libc_memalign(alignment, size);
    account(sizeOf(block));
    return block;
}

int posix_memalign(void **out, size_t alignment, size_t size)
{
    void *block = __libc_memalign(alignment, size);
    if (!block)
        return 12; // ENOMEM
    account(sizeOf(block));
    *out = block;
    return 0;
}

void *aligned_alloc(size_t alignment, size_t size)
{
    return memalign(alignment, size);
}

} // extern "C"

namespace HtmlViewMemory {

void resetPeak()
{
    const long long now = g_inUse.load();
    g_base = now;
    g_peak = now;
}

size_t peakSinceReset()
{
    return size_t(g_peak.load() - g_base.load());
}

size_t inUse()
{
    return size_t(g_inUse.load());
}

} // namespace HtmlViewMemory
