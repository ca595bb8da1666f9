// Bookkeeping of the GDI and USER owners: the live-object counts and the memory DC owner.
#include "platform/gdi_owner.h"

#include <atomic>

namespace platform {

namespace {
std::atomic<long> g_liveGdiObjects{0};
std::atomic<long> g_liveUserObjects{0};
}  // namespace

long LiveGdiObjects() { return g_liveGdiObjects.load(); }
long LiveUserObjects() { return g_liveUserObjects.load(); }

namespace detail {
void CountGdiObject(bool created) { g_liveGdiObjects += created ? 1 : -1; }
void CountUserObject(bool created) { g_liveUserObjects += created ? 1 : -1; }
}  // namespace detail

UniqueMemoryDC::UniqueMemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {
    if (dc_) detail::CountGdiObject(true);
}

UniqueMemoryDC& UniqueMemoryDC::operator=(UniqueMemoryDC&& other) noexcept {
    if (this != &other) {
        reset();
        dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
}

void UniqueMemoryDC::reset() {
    if (dc_) {
        DeleteDC(dc_);
        detail::CountGdiObject(false);
        dc_ = nullptr;
    }
}

}  // namespace platform
