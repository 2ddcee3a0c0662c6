// The logo's colours: the random colour rule, the drift of one unit per
// channel and step, the press that turns it red, the release and the right
// click, all with a seeded generator.

#include "visuals/logo_state.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace qor {
namespace {

bool isLogoColor(const LogoRgb &c) {
    auto inRange = [](int v) { return v >= 0 && v <= 239; };
    return inRange(c.r) && inRange(c.g) && inRange(c.b) && (c.r > 200 || c.g > 200 || c.b > 200);
}

int distance(const LogoRgb &a, const LogoRgb &b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

TEST(LogoState, RandomColorsKeepTheRuleAndFollowTheSeed) {
    std::mt19937 rng(7);
    bool sawLowChannel = false;
    for (int k = 0; k < 2000; ++k) {
        const LogoRgb c = RandomLogoColor(rng);
        ASSERT_TRUE(isLogoColor(c)) << c.r << ' ' << c.g << ' ' << c.b;
        sawLowChannel = sawLowChannel || c.r < 100 || c.g < 100 || c.b < 100;
    }
    EXPECT_TRUE(sawLowChannel);
    std::mt19937 a(99), b(99);
    EXPECT_EQ(RandomLogoColor(a), RandomLogoColor(b));
}

TEST(LogoState, ShadesRoundHalfToEvenAndCapAt255) {
    EXPECT_EQ(scaledLogoColor({200, 100, 10}, 1.3), (LogoRgb{255, 130, 13}));
    // 5 × 0.5 = 2.5 → 2, 7 × 0.5 = 3.5 → 4.
    EXPECT_EQ(scaledLogoColor({5, 7, 0}, 0.5), (LogoRgb{2, 4, 0}));
    const LogoShades s = logoShades({100, 200, 40});
    EXPECT_EQ(s.light, (LogoRgb{130, 255, 52}));
    EXPECT_EQ(s.s1, (LogoRgb{90, 180, 36}));
    EXPECT_EQ(s.s5, (LogoRgb{40, 80, 16}));
    const LogoBackShades b = logoBackShades({200, 200, 200});
    EXPECT_EQ(b.b1, (LogoRgb{150, 150, 150}));
    EXPECT_EQ(b.b2, (LogoRgb{160, 160, 160}));
    EXPECT_EQ(b.b3, (LogoRgb{170, 170, 170}));
    EXPECT_EQ(logoText().size(), 3);
}

TEST(LogoState, ColourDriftsOneUnitPerStepAndPicksANewTargetOnArrival) {
    LogoState logo;
    logo.reset(1234);
    EXPECT_TRUE(logo.target().isZero());
    EXPECT_TRUE(logo.redrawBack());

    // The first step starts with colour and target equal: a new target.
    logo.step();
    EXPECT_TRUE(isLogoColor(logo.color()));
    ASSERT_TRUE(isLogoColor(logo.target()));

    int arrivals = 0;
    for (int k = 0; k < 1000; ++k) {
        const LogoRgb before = logo.color();
        const LogoRgb target = logo.target();
        logo.step();
        EXPECT_LE(distance(before, logo.color()), 1);
        EXPECT_LE(distance(logo.color(), target), std::max(0, distance(before, target) - 1));
        if (before == target) {
            ++arrivals;
            EXPECT_EQ(logo.color(), before);
            EXPECT_TRUE(isLogoColor(logo.target()));
        }
    }
    // A full change takes at most 239 steps (plus the arrival step).
    EXPECT_GE(arrivals, 1000 / 240);
}

TEST(LogoState, PressTurnsRedReleaseKeepsDriftingRightClickPicksNewColours) {
    LogoState logo;
    logo.reset(5);
    logo.step();
    logo.backRedrawn();
    EXPECT_FALSE(logo.release()); // nothing held

    logo.press();
    EXPECT_TRUE(logo.pressed());
    EXPECT_EQ(logo.offset(), LogoState::kPressOffset);
    EXPECT_EQ(logo.target(), LogoState::kPressedTarget);
    EXPECT_TRUE(logo.redrawBack());
    logo.backRedrawn();
    for (int k = 0; k < 10; ++k)
        logo.step();
    EXPECT_TRUE(logo.release());
    EXPECT_FALSE(logo.pressed());
    EXPECT_EQ(logo.offset(), 0);
    EXPECT_TRUE(logo.redrawBack());

    // Still red until the colour gets there, then a random one.
    int steps = 0;
    while (logo.color() != LogoState::kPressedTarget && steps < 300) {
        EXPECT_EQ(logo.target(), LogoState::kPressedTarget);
        logo.step();
        ++steps;
    }
    EXPECT_EQ(logo.color(), LogoState::kPressedTarget);
    logo.step();
    EXPECT_NE(logo.target(), LogoState::kPressedTarget);
    EXPECT_TRUE(isLogoColor(logo.target()));

    logo.pickNewColors();
    EXPECT_TRUE(isLogoColor(logo.color()));
    EXPECT_TRUE(isLogoColor(logo.target()));
}

} // namespace
} // namespace qor
