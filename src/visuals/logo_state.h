#pragma once
// The state of the animated lettering that fills the empty picture panel
// while the picture floats: its colour drifting one unit per channel per
// step towards a random target, the press that pushes it down and turns it
// red, and the shades its layers and shadow are drawn in. No drawing here.

#include <QString>

#include <cstdint>
#include <random>

namespace qor {

struct LogoRgb {
    int r = 0;
    int g = 0;
    int b = 0;

    bool isZero() const { return r == 0 && g == 0 && b == 0; }
    friend bool operator==(const LogoRgb &, const LogoRgb &) = default;
};

// Channels drawn uniformly from 0..239 until at least one is above 200.
LogoRgb RandomLogoColor(std::mt19937 &rng);

// Each channel times factor, rounded half to even, capped at 255.
LogoRgb scaledLogoColor(const LogoRgb &c, double factor);

// The seven layers of the lettering, back to front: s5 … s1, light, colour.
struct LogoShades {
    LogoRgb light, s1, s2, s3, s4, s5;
};
LogoShades logoShades(const LogoRgb &color);

// The three shadow tones of the panel colour.
struct LogoBackShades {
    LogoRgb b1, b2, b3;
};
LogoBackShades logoBackShades(const LogoRgb &panel);

// The lettering's three characters.
QString logoText();

class LogoState {
  public:
    static constexpr LogoRgb kPressedTarget{238, 0, 0};
    // How far the lettering and its cursor move when pressed.
    static constexpr int kPressOffset = 5;

    // A new start: the first step picks the colours; the background is
    // redrawn. The generator is seeded here.
    void reset(std::uint32_t seed);

    // One step of the drift: returns nothing, reads back through the getters.
    void step();

    // Left press on the lettering, its release, and the right press.
    void press();
    // Returns whether a press was held (the cursor then moves back).
    bool release();
    void pickNewColors();

    // The background must be redrawn (start, resize, press, release).
    void requestBackRedraw() { m_redrawBack = true; }
    void backRedrawn() { m_redrawBack = false; }

    const LogoRgb &color() const { return m_color; }
    const LogoRgb &target() const { return m_target; }
    bool pressed() const { return m_pressed; }
    bool redrawBack() const { return m_redrawBack; }
    // 5 while pressed, else 0.
    int offset() const { return m_pressed ? kPressOffset : 0; }

  private:
    std::mt19937 m_rng;
    LogoRgb m_color;
    LogoRgb m_target; // zero: not started
    bool m_pressed = false;
    bool m_redrawBack = true;
};

} // namespace qor
