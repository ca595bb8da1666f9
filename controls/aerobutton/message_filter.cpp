// Adding to and matching against a subclass's message filter.
#include "controls/aerobutton/message_filter.h"

namespace aerobutton {

void MessageFilter::Add(std::int32_t message) {
    if (message == kEveryMessage) {
        count = kEveryMessage;
        return;
    }
    if (count >= kFilterSlots) return;
    // A filter that took every message takes just this one from now on.
    if (count < 0) count = 0;
    const auto number = static_cast<std::uint32_t>(message);
    for (std::int32_t i = 0; i < count; ++i) {
        if (slots[i] == 0) {
            slots[i] = number;
            return;
        }
        if (slots[i] == number) return;
    }
    slots[count] = number;
    ++count;
}

bool MessageFilter::Holds(std::uint32_t message) const {
    if (count == kEveryMessage) return true;
    for (std::int32_t i = 0; i < count && i < kFilterSlots; ++i) {
        if (slots[i] == message) return true;
    }
    return false;
}

}  // namespace aerobutton
