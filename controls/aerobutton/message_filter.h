// The message filters of a window subclass: which messages reach the owner's callback before
// and which after the window's previous procedure (no <windows.h>: built and tested natively too).
#pragma once

#include <array>
#include <cstdint>

namespace aerobutton {

// As a message number to add: every message. As a count: the filter takes every message.
inline constexpr std::int32_t kEveryMessage = -1;
inline constexpr std::int32_t kFilterSlots = 32;

// A count and 32 slots of message numbers. Count 0 takes no message, -1 every message, 1 to 32
// the messages in the first count slots. A slot holding 0 is free.
struct MessageFilter {
    std::int32_t count = 0;
    std::array<std::uint32_t, kFilterSlots> slots{};

    // Adds a message, or kEveryMessage. A message the filter already holds, or one more than
    // the 32 slots take, changes nothing. A message added to a filter that took every message
    // narrows it to that one message.
    void Add(std::int32_t message);
    bool Holds(std::uint32_t message) const;
    void Clear() { count = 0; }
};

}  // namespace aerobutton
