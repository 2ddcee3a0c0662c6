#include "visuals/contrast_ratio.h"

#include <algorithm>
#include <cmath>

namespace qor {

namespace {

double linearChannel(std::uint32_t value) {
    const double c = static_cast<double>(value & 0xFFu) / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(std::uint32_t rgb) {
    return 0.2126 * linearChannel(rgb >> 16) + 0.7152 * linearChannel(rgb >> 8) + 0.0722 * linearChannel(rgb);
}

double contrastRatio(std::uint32_t a, std::uint32_t b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::uint32_t readableTextOn(std::uint32_t background) {
    return contrastRatio(background, 0x000000u) >= contrastRatio(background, 0xFFFFFFu) ? 0x000000u
                                                                                        : 0xFFFFFFu;
}

} // namespace qor
