#include "tools/heap_counter/heap_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

// Plain malloc and free underneath, so that AddressSanitizer, which watches those, still sees every
// block and checks its use.
namespace {

std::atomic<std::uint64_t> news {0};
std::atomic<std::uint64_t> deletes {0};

void* allocate(std::size_t size) noexcept
{
    news.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size ? size : 1);
}

void* allocateAligned(std::size_t size, std::align_val_t alignment) noexcept
{
    news.fetch_add(1, std::memory_order_relaxed);
    const auto align = static_cast<std::size_t>(alignment);
    // aligned_alloc wants a size that is a multiple of the alignment.
    const std::size_t rounded = size == 0 ? align : (size + align - 1) / align * align;
    return std::aligned_alloc(align, rounded);
}

void* orThrow(void* block)
{
    if (!block)
        throw std::bad_alloc();
    return block;
}

void release(void* block) noexcept
{
    deletes.fetch_add(1, std::memory_order_relaxed);
    std::free(block);
}

}  // namespace

namespace shoewise::alloctest {

std::uint64_t newCalls()
{
    return news.load(std::memory_order_relaxed);
}

std::uint64_t deleteCalls()
{
    return deletes.load(std::memory_order_relaxed);
}

}  // namespace shoewise::alloctest

void* operator new(std::size_t size)
{
    return orThrow(allocate(size));
}
void* operator new[](std::size_t size)
{
    return orThrow(allocate(size));
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return allocate(size);
}
void* operator new(std::size_t size, std::align_val_t alignment)
{
    return orThrow(allocateAligned(size, alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment)
{
    return orThrow(allocateAligned(size, alignment));
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return allocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return allocateAligned(size, alignment);
}

void operator delete(void* block) noexcept
{
    release(block);
}
void operator delete[](void* block) noexcept
{
    release(block);
}
void operator delete(void* block, std::size_t) noexcept
{
    release(block);
}
void operator delete[](void* block, std::size_t) noexcept
{
    release(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept
{
    release(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept
{
    release(block);
}
void operator delete(void* block, std::align_val_t) noexcept
{
    release(block);
}
void operator delete[](void* block, std::align_val_t) noexcept
{
    release(block);
}
void operator delete(void* block, std::size_t, std::align_val_t) noexcept
{
    release(block);
}
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept
{
    release(block);
}
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept
{
    release(block);
}
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept
{
    release(block);
}
