// Colour arithmetic of the button's look: channels of 0x00BBGGRR colours, blending and
// shifting with single-precision amounts (no <windows.h>: built and tested natively too).
#pragma once

#include <cstdint>

namespace aerobutton {

// A drawing colour, 0x00BBGGRR (red in the low byte), as GDI's COLORREF.
using Rgb = std::uint32_t;

constexpr int RedOf(Rgb c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Rgb c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Rgb c) { return static_cast<int>((c >> 16) & 0xFF); }
// Channels are expected in 0..255; anything outside is limited so it cannot spill into the
// neighbouring channel.
constexpr Rgb MakeRgb(int red, int green, int blue) {
    const auto channel = [](int x) { return static_cast<Rgb>(x < 0 ? 0 : x > 255 ? 255 : x); };
    return channel(red) | (channel(green) << 8) | (channel(blue) << 16);
}

inline constexpr Rgb kWhite = MakeRgb(255, 255, 255);

// Each channel rounded(X1 + t * (X2 - X1)), ties to even; t keeps its single-precision value.
Rgb BlendColor(Rgb c1, Rgb c2, float t);

// Each channel rounded(amount * 255 + X), then limited on the side the amount moves towards:
// above 255 for a positive amount, below 0 otherwise.
Rgb ShiftColor(Rgb c, float amount);

}  // namespace aerobutton
