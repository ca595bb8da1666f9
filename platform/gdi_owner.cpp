// Bookkeeping of the GDI and USER owners: the live-object counts.
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

}  // namespace platform
