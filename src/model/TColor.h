#pragma once

// A 24-bit RGB colour and the named colours the trial model uses.

#include <cstdint>

struct TColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(TColor, TColor) = default;
};

inline constexpr TColor clYellow{255, 255, 0};
inline constexpr TColor clGreen{0, 128, 0};
inline constexpr TColor clWhite{255, 255, 255};
inline constexpr TColor clRed{255, 0, 0};
inline constexpr TColor clBlack{0, 0, 0};
inline constexpr TColor clPaleGreen{192, 220, 192};
