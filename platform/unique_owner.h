// The one shape of a move-only handle owner; each handle kind brings how it is released and counted.
#pragma once

#include <utility>

namespace platform {

// Traits name the handle type, release one handle (Release) and keep the live count of
// their kind (Count(true) when an owner takes a handle, Count(false) when it lets go).
template <typename Traits>
class UniqueOwner {
public:
    using Handle = typename Traits::Handle;

    UniqueOwner() = default;
    explicit UniqueOwner(Handle handle) : handle_(handle) {
        if (handle_) Traits::Count(true);
    }
    ~UniqueOwner() { reset(); }
    UniqueOwner(UniqueOwner&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueOwner& operator=(UniqueOwner&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    UniqueOwner(const UniqueOwner&) = delete;
    UniqueOwner& operator=(const UniqueOwner&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Gives up ownership, for a handle whose new owner releases it (a window region).
    Handle release() {
        if (handle_) Traits::Count(false);
        return std::exchange(handle_, nullptr);
    }
    void reset(Handle handle = nullptr) {
        if (handle_) {
            Traits::Release(handle_);
            Traits::Count(false);
        }
        handle_ = handle;
        if (handle_) Traits::Count(true);
    }

private:
    Handle handle_ = nullptr;
};

}  // namespace platform
