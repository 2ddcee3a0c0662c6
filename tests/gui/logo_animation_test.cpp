// The logo of the empty picture panel: its frames, the press on the
// lettering, the right click and a panel of zero size.

#include "gui_test_support.h"

#include "visuals/ui/logo_animation.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace qor {
namespace {

QColor toColor(const LogoRgb &c) {
    return QColor(c.r, c.g, c.b);
}

class LogoAnimationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Widgets need the application first: made here, not as a member.
        test::ensureApplication();
        logo = std::make_unique<LogoAnimation>();
        logo->resize(147, 110);
        logo->setCursorMover([this](const QPoint &by) { cursorMoves.push_back(by); });
        QFont font(QStringLiteral("Monotype Corsiva"));
        font.setPixelSize(60);
        font.setBold(true);
        font.setItalic(true);
        logo->start(font, kPanel, 42);
    }
    void TearDown() override { logo->stop(); }

    // A point where the frame differs from the panel and from the shadow.
    std::optional<QPoint> letteringPoint() const {
        const QImage &image = logo->LogoImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != kPanel.rgb() && image.pixel(x, y) != logo->LogoBack().pixel(x, y))
                    return QPoint(x, y);
        return std::nullopt;
    }
    void press(const QPoint &pos, Qt::MouseButton button, QEvent::Type type = QEvent::MouseButtonPress) {
        QMouseEvent event(type, pos, logo->mapToGlobal(pos), button,
                          type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(logo.get(), &event);
    }

    const QColor kPanel{255, 255, 255};
    std::unique_ptr<LogoAnimation> logo;
    std::vector<QPoint> cursorMoves;
};

TEST_F(LogoAnimationTest, FrameShowsShadedLetteringOverItsShadow) {
    EXPECT_TRUE(logo->running());
    EXPECT_GE(logo->stepIntervalMs(), 8); // never the thousand steps a second of a 1 ms timer
    logo->TimerLogoTimer();
    logo->TimerLogoTimer();
    const QImage &image = logo->LogoImage();
    const QImage &back = logo->LogoBack();
    ASSERT_EQ(image.size(), QSize(147, 110));
    ASSERT_EQ(back.size(), image.size());

    int shadow = 0;
    int lettering = 0;
    int front = 0;
    const QRgb colour = toColor(logo->logoState().color()).rgb();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            shadow += back.pixel(x, y) != kPanel.rgb();
            lettering += image.pixel(x, y) != back.pixel(x, y) && image.pixel(x, y) != kPanel.rgb();
            front += image.pixel(x, y) == colour;
        }
    }
    EXPECT_GT(shadow, 100);
    EXPECT_GT(lettering, 100);
    EXPECT_GT(front, 10);
    // The shadow is darker than the panel, never coloured.
    const QPoint some = *letteringPoint();
    EXPECT_LE(qGray(back.pixel(some)), qGray(kPanel.rgb()));
}

TEST_F(LogoAnimationTest, PressOnTheLetteringPushesItDownAndTurnsItRed) {
    logo->TimerLogoTimer();
    // The panel background (a corner) does nothing.
    press(QPoint(0, 0), Qt::LeftButton);
    EXPECT_FALSE(logo->logoState().pressed());
    EXPECT_TRUE(cursorMoves.empty());

    const auto on = letteringPoint();
    ASSERT_TRUE(on.has_value());
    press(*on, Qt::LeftButton);
    EXPECT_TRUE(logo->logoState().pressed());
    EXPECT_EQ(logo->logoState().target(), LogoState::kPressedTarget);
    ASSERT_EQ(cursorMoves.size(), 1u);
    EXPECT_EQ(cursorMoves[0], QPoint(5, 5));
    const QImage before = logo->LogoBack().copy();
    logo->TimerLogoTimer();
    EXPECT_NE(logo->LogoBack(), before); // the shadow moved under the lettering

    press(*on, Qt::LeftButton, QEvent::MouseButtonRelease);
    EXPECT_FALSE(logo->logoState().pressed());
    ASSERT_EQ(cursorMoves.size(), 2u);
    EXPECT_EQ(cursorMoves[1], QPoint(-5, -5));
    // A second release moves nothing.
    press(*on, Qt::LeftButton, QEvent::MouseButtonRelease);
    EXPECT_EQ(cursorMoves.size(), 2u);

    // The right button picks new colours.
    const LogoRgb target = logo->logoState().target();
    press(QPoint(0, 0), Qt::RightButton);
    EXPECT_NE(logo->logoState().target(), target);
    EXPECT_FALSE(logo->logoState().pressed());
}

TEST_F(LogoAnimationTest, NothingIsDrawnAtZeroSize) {
    logo->resize(0, 110);
    logo->TimerLogoTimer();
    EXPECT_TRUE(logo->LogoImage().isNull());
    EXPECT_TRUE(logo->logoState().target().isZero()); // not even a step
    logo->resize(147, 0);
    logo->TimerLogoTimer();
    EXPECT_TRUE(logo->LogoImage().isNull());
    logo->resize(60, 40);
    logo->TimerLogoTimer();
    EXPECT_EQ(logo->LogoImage().size(), QSize(60, 40));
}

} // namespace
} // namespace qor
