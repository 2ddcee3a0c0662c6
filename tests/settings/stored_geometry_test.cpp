// Sizes and rectangles from a damaged Main.ini reach the widgets inside the
// pixel range, and no sum of them overflows.

#include "settings/settings_file.h"
#include "settings/stored_geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

using namespace qor;

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(StoredGeometry, PixelSizesStayInRange) {
    EXPECT_EQ(storedPixelSize(120), 120);
    EXPECT_EQ(storedPixelSize(kMax), kMaxPixelSize);
    EXPECT_EQ(storedPixelSize(kMin), 0);
    EXPECT_EQ(storedPixelSize(-5, 1), 1);
    EXPECT_EQ(storedPixelSize(0, 1), 1);
}

TEST(StoredGeometry, SplitterTakesStoredSizesAndTheRest) {
    const std::array<std::int32_t, 3> stored{200, 178, 143};
    EXPECT_EQ(splitterSizesFromStored(stored, 1000, 4), (QList<int>{200, 178, 143, 1000 - 521 - 12}));
    // Too little room leaves the last part one pixel.
    EXPECT_EQ(splitterSizesFromStored(stored, 100, 4).last(), 1);
}

TEST(StoredGeometry, FrameAndTitleBarStayOnTheScreen) {
    const QMargins frame(1, 22, 1, 1); // the title bar above the inside
    // A first window as large as a 1024 x 768 screen: smaller and moved down.
    EXPECT_EQ(frameOnArea(QRect(0, 0, 1024, 768), frame, QRect(0, 0, 1024, 768)), QRect(1, 22, 1022, 745));
    // One that fits stays; one whose title bar is above the screen comes down.
    EXPECT_EQ(frameOnArea(QRect(100, 50, 640, 480), frame, QRect(0, 0, 1024, 768)), QRect(100, 50, 640, 480));
    EXPECT_EQ(frameOnArea(QRect(100, 5, 640, 480), frame, QRect(0, 0, 1024, 768)), QRect(100, 22, 640, 480));
    // The minimum inside on a 640 x 480 screen leaves room for the frame.
    EXPECT_EQ(minimumInside(QSize(640, 480), frame, QSize(640, 480)), QSize(638, 457));
    EXPECT_EQ(minimumInside(QSize(640, 480), frame, QSize(1024, 768)), QSize(640, 480));
}

TEST(StoredGeometry, ExtremeStoredSizesNeitherOverflowNorVanish) {
    const std::array<std::array<std::int32_t, 3>, 4> cases{{
        {kMax, kMax, kMax},
        {kMin, kMin, kMin},
        {kMax, kMin, kMax},
        {0, -1, kMax},
    }};
    for (const auto &stored : cases) {
        for (const int total : {0, 768, kMax}) {
            const QList<int> sizes = splitterSizesFromStored(stored, total, kMax);
            ASSERT_EQ(sizes.size(), 4);
            for (const int size : sizes) {
                EXPECT_GE(size, 1) << stored[0] << ' ' << total;
                EXPECT_LE(size, kMaxPixelSize);
            }
        }
    }
}

TEST(StoredGeometry, AbsurdToolWindowRectanglesAreCentred) {
    const WindowBounds centred{640, 270, 1280, 810};
    const WindowBounds sound{100, 100, 400, 400};
    EXPECT_EQ(fitToolWindowToScreen(sound, 1920, 1080), sound);
    // Partly off the left or top edge, with enough of it left to reach.
    EXPECT_EQ(fitToolWindowToScreen({-280, 100, 20, 400}, 1920, 1080), (WindowBounds{-280, 100, 20, 400}));
    EXPECT_EQ(fitToolWindowToScreen({100, -280, 400, 20}, 1920, 1080), (WindowBounds{100, -280, 400, 20}));
    for (const WindowBounds &absurd :
         {WindowBounds{kMin, kMin, 10, 10}, WindowBounds{400, 400, 100, 100},
          WindowBounds{100, 100, 100, 400}, WindowBounds{kMin, 0, kMin + 300, 300},
          WindowBounds{-kMaxPixelSize - 1, 0, 10, 300}, WindowBounds{-3000, 100, -2700, 400},
          WindowBounds{100, -900, 400, 19}, WindowBounds{-280, 100, 19, 400}}) {
        EXPECT_EQ(fitToolWindowToScreen(absurd, 1920, 1080), centred)
            << absurd.left << ' ' << absurd.top << ' ' << absurd.right << ' ' << absurd.bottom;
    }
}

} // namespace
