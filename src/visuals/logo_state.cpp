#include "visuals/logo_state.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace qor {

namespace {

// Kept scrambled (each code raised by its 1-based position) so that the
// lettering does not stand in the program as plain text.
constexpr std::array<char16_t, 3> kScrambledLogo{u'Q' + 1, u'O' + 2, u'R' + 3};

int stepTowards(int value, int target) {
    return value < target ? value + 1 : (value > target ? value - 1 : value);
}

} // namespace

LogoRgb RandomLogoColor(std::mt19937 &rng) {
    std::uniform_int_distribution<int> channel(0, 239);
    for (;;) {
        const LogoRgb c{channel(rng), channel(rng), channel(rng)};
        if (c.r > 200 || c.g > 200 || c.b > 200)
            return c;
    }
}

LogoRgb scaledLogoColor(const LogoRgb &c, double factor) {
    auto scale = [factor](int v) {
        const double x = std::nearbyint(v * factor); // half to even
        return static_cast<int>(std::clamp(x, 0.0, 255.0));
    };
    return {scale(c.r), scale(c.g), scale(c.b)};
}

LogoShades logoShades(const LogoRgb &color) {
    return {scaledLogoColor(color, 1.3), scaledLogoColor(color, 0.9),  scaledLogoColor(color, 0.6),
            scaledLogoColor(color, 0.5), scaledLogoColor(color, 0.45), scaledLogoColor(color, 0.4)};
}

LogoBackShades logoBackShades(const LogoRgb &panel) {
    return {scaledLogoColor(panel, 0.75), scaledLogoColor(panel, 0.8), scaledLogoColor(panel, 0.85)};
}

QString logoText() {
    QString text;
    for (std::size_t k = 0; k < kScrambledLogo.size(); ++k)
        text += QChar(static_cast<char16_t>(kScrambledLogo[k] - (k + 1)));
    return text;
}

void LogoState::reset(std::uint32_t seed) {
    m_rng.seed(seed);
    m_color = {};
    m_target = {};
    m_pressed = false;
    m_redrawBack = true;
}

void LogoState::step() {
    if (m_target.isZero()) {
        m_color = RandomLogoColor(m_rng);
        m_target = m_color;
    }
    const int equal = (m_color.r == m_target.r) + (m_color.g == m_target.g) + (m_color.b == m_target.b);
    m_color = {stepTowards(m_color.r, m_target.r), stepTowards(m_color.g, m_target.g),
               stepTowards(m_color.b, m_target.b)};
    if (equal == 3)
        m_target = RandomLogoColor(m_rng);
}

void LogoState::press() {
    m_pressed = true;
    m_target = kPressedTarget;
    m_redrawBack = true;
}

bool LogoState::release() {
    if (!m_pressed)
        return false;
    m_pressed = false;
    m_redrawBack = true;
    return true;
}

void LogoState::pickNewColors() {
    m_color = RandomLogoColor(m_rng);
    m_target = RandomLogoColor(m_rng);
}

} // namespace qor
