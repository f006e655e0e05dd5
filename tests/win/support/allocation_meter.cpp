#include "support/allocation_meter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace vemora::test {
namespace {

// Each block starts with its size, in a header that keeps the caller's alignment.
constexpr size_t kHeader = alignof(std::max_align_t);
std::atomic<size_t> live{0};
std::atomic<size_t> peak{0};

void* Allocate(size_t size) noexcept {
    auto* base = static_cast<char*>(std::malloc(size + kHeader));
    if (!base) return nullptr;
    *reinterpret_cast<size_t*>(base) = size;
    const size_t now = live.fetch_add(size) + size;
    size_t seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
    return base + kHeader;
}

void Release(void* p) noexcept {
    if (!p) return;
    char* base = static_cast<char*>(p) - kHeader;
    live.fetch_sub(*reinterpret_cast<size_t*>(base));
    std::free(base);
}

void* AllocateOrThrow(size_t size) {
    void* p = Allocate(size);
    if (!p) throw std::bad_alloc();
    return p;
}

}  // namespace

size_t LiveAllocatedBytes() {
    return live.load();
}
size_t PeakAllocatedBytes() {
    return peak.load();
}
void ResetAllocationPeak() {
    peak.store(live.load());
}

}  // namespace vemora::test

void* operator new(size_t size) {
    return vemora::test::AllocateOrThrow(size);
}
void* operator new[](size_t size) {
    return vemora::test::AllocateOrThrow(size);
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    return vemora::test::Allocate(size);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
    return vemora::test::Allocate(size);
}
void operator delete(void* p) noexcept {
    vemora::test::Release(p);
}
void operator delete[](void* p) noexcept {
    vemora::test::Release(p);
}
void operator delete(void* p, size_t) noexcept {
    vemora::test::Release(p);
}
void operator delete[](void* p, size_t) noexcept {
    vemora::test::Release(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    vemora::test::Release(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    vemora::test::Release(p);
}
