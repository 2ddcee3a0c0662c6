#pragma once
// Legibility of text colours: relative luminance and the contrast ratio of
// two colours (1 : 1 for equal colours up to 21 : 1 for black on white).
// 4.5 : 1 is the usual least ratio for text of normal size.

#include <cstdint>

namespace qor {

inline constexpr double kReadableContrast = 4.5;

// rgb as 0xRRGGBB (any higher byte is ignored).
double relativeLuminance(std::uint32_t rgb);
double contrastRatio(std::uint32_t a, std::uint32_t b);
// Black or white (0x000000 / 0xFFFFFF), whichever reads better on background.
std::uint32_t readableTextOn(std::uint32_t background);

} // namespace qor
