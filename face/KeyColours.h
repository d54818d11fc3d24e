// The key colour magenta and its two rules: a button face is transparent where it is magenta exactly, and
// the skin lies outside the window where it is magenta within a tolerance.
#pragma once

#include <cstdint>

constexpr std::uint8_t kKeyRed = 255;
constexpr std::uint8_t kKeyGreen = 0;
constexpr std::uint8_t kKeyBlue = 255;
// Magenta as a COLORREF (0x00BBGGRR), the form the button faces are given their key in.
constexpr std::uint32_t kFaceKeyColorref =
    std::uint32_t(kKeyBlue) << 16 | std::uint32_t(kKeyGreen) << 8 | kKeyRed;

// A face pixel is transparent only when it is magenta exactly.
constexpr bool IsFaceKeyColour(int red, int green, int blue) {
    return red == kKeyRed && green == kKeyGreen && blue == kKeyBlue;
}

// A skin pixel lies outside the window when each channel is within this of magenta; alpha is not looked at.
constexpr int kSkinKeyTolerance = 17;

constexpr bool IsSkinKeyColour(int red, int green, int blue) {
    return red >= kKeyRed - kSkinKeyTolerance && green <= kKeyGreen + kSkinKeyTolerance &&
           blue >= kKeyBlue - kSkinKeyTolerance;
}
