// The owner of a module the program loaded itself: FreeLibrary when it ends.
#pragma once

#include <windows.h>

#include "platform/unique_owner.h"

namespace platform {

namespace detail {
struct ModuleTraits {
    using Handle = HMODULE;
    static void Release(Handle handle) { FreeLibrary(handle); }
    // A module's references are the loader's to count.
    static void Count(bool) {}
};
}  // namespace detail

// Holds one reference from LoadLibrary; never a handle from GetModuleHandle, which takes none.
using UniqueModule = UniqueOwner<detail::ModuleTraits>;

}  // namespace platform
