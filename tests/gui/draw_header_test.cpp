// The two header bars: sort marks, the bold find column, clicks and the
// right-button choice of the find column.

#include "draw_support.h"

#include "common_ui/sort_mark.h"
#include "recipe_list/ui/potion_header.h"

#include <QMouseEvent>

#include <gtest/gtest.h>

#include <climits>
#include <memory>

using namespace qor;
using namespace qor::drawtest;

namespace {

constexpr int kHeight = 19;

class HeaderDraw : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureApp();
        colors = testColors();
    }
    // A recipe header with blank captions: the only black pixels are the marks.
    std::unique_ptr<PotionHeader> blankHeader() {
        auto h = std::make_unique<PotionHeader>(PotionHeader::Kind::Recipes, QStringList(26, QString()),
                                                colors, &list);
        h->resize(26 * 35, kHeight);
        return h;
    }
    QRect section(const PotionHeader &h, int k) const {
        return {h.sectionLeft(k), 0, h.sectionSize(k), kHeight};
    }
    static int blackPixels(const QImage &img, const QRect &r) { return countColour(img, r, QColor(0, 0, 0)); }
    ViewColors colors;
    PotionList list;
};

TEST_F(HeaderDraw, SortMarksAreTenBySevenTrianglesWithATwoRowBase) {
    for (bool up : {true, false}) {
        const QImage m = makeSortMark(up);
        ASSERT_EQ(m.size(), QSize(10, 7));
        int opaque = 0;
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 10; ++x)
                opaque += qAlpha(m.pixel(x, y)) == 255 ? 1 : 0;
        EXPECT_EQ(opaque, 2 + 4 + 6 + 8 + 10 + 10);
        for (int x = 0; x < 10; ++x) {
            EXPECT_EQ(qAlpha(m.pixel(x, 6)), 0) << "transparent bottom row";
            EXPECT_EQ(qAlpha(m.pixel(x, up ? 4 : 0)), 255) << "base";
            EXPECT_EQ(qAlpha(m.pixel(x, up ? 5 : 1)), 255) << "base, second row";
        }
        const int apex = up ? 0 : 5;
        EXPECT_EQ(qAlpha(m.pixel(3, apex)), 0);
        EXPECT_EQ(qAlpha(m.pixel(4, apex)), 255);
        EXPECT_EQ(qAlpha(m.pixel(5, apex)), 255);
        EXPECT_EQ(qAlpha(m.pixel(6, apex)), 0);
    }
}

TEST_F(HeaderDraw, TheMarkStandsOnlyOnTheSectionOfTheSortCode) {
    auto h = blankHeader();
    struct Case {
        int code;
        int section; // -1: no mark anywhere
        bool up;
    };
    for (const Case c :
         {Case{4, 4, true}, Case{-4, 4, false}, Case{25, 25, true}, Case{-1, 1, false}, Case{0, -1, true},
          Case{26, -1, true}, Case{INT_MIN, -1, true}, Case{INT_MAX, -1, true}}) {
        list.PotionSortCode = c.code;
        const QImage img = render(*h);
        for (int k = 0; k < 26; ++k) {
            const int black = blackPixels(img, section(*h, k));
            EXPECT_EQ(black, k == c.section ? 40 : 0) << "code " << c.code << " section " << k;
        }
        if (c.section < 0)
            continue;
        // At left + 2, vertically centred: top = 19 div 2 - 7 div 2 = 6.
        const int left = h->sectionLeft(c.section) + 2;
        const int apexY = c.up ? 6 : 11;
        const int baseY = c.up ? 10 : 6;
        EXPECT_EQ(px(img, left + 4, apexY), QColor(0, 0, 0)) << "code " << c.code;
        EXPECT_EQ(px(img, left, baseY), QColor(0, 0, 0)) << "code " << c.code;
        EXPECT_EQ(px(img, left + 9, baseY), QColor(0, 0, 0)) << "code " << c.code;
    }
}

TEST_F(HeaderDraw, MarkWidthNeedsThePictureToBeNarrowerThanTheSectionRight) {
    EXPECT_EQ(PotionHeader::markWidthFor(10, 10), 0);
    EXPECT_EQ(PotionHeader::markWidthFor(10, 11), 11);
    EXPECT_EQ(PotionHeader::markWidthFor(10, 500), 11);
    EXPECT_EQ(PotionHeader::markWidthFor(0, 0), 0);
}

TEST_F(HeaderDraw, CaptionMovesRightOfTheMark) {
    PotionHeader h(PotionHeader::Kind::Recipes, PotionHeader::recipeCaptions(), colors, &list);
    h.resize(26 * 35, kHeight);
    h.resizeSection(3, 120);
    list.PotionSortCode = 0;
    const QImage plain = render(h);
    list.PotionSortCode = 3;
    const QImage marked = render(h);
    // The first text column of the caption lies 11 pixels further right.
    auto firstDark = [&](const QImage &img, int from) {
        for (int x = from; x < from + 120; ++x)
            for (int y = 2; y < kHeight - 2; ++y) {
                const QColor p = px(img, x, y);
                if (p.red() < 100 && p.green() < 100 && p.blue() < 100)
                    return x;
            }
        return -1;
    };
    const int left = h.sectionLeft(3);
    const int plainX = firstDark(plain, left + 1);
    ASSERT_GE(plainX, left + 2);
    // With the mark the first dark column is the mark's base at left + 2; the
    // caption follows 11 pixels later than without the mark.
    EXPECT_EQ(firstDark(marked, left + 1), left + 2);
    EXPECT_EQ(firstDark(marked, left + 13), plainX + 11);
}

TEST_F(HeaderDraw, TheFindColumnIsDrawnBold) {
    PotionHeader h(PotionHeader::Kind::Recipes, PotionHeader::recipeCaptions(), colors, &list);
    h.resize(26 * 35, kHeight);
    h.resizeSection(5, 120);
    auto dark = [](QColor p) { return p.red() < 110 && p.green() < 110 && p.blue() < 110; };
    const QRect s5(h.sectionLeft(5) + 1, 1, 118, kHeight - 2);
    colors.PotionFindCol = 7;
    const int normal = countPixels(render(h), s5, dark);
    colors.PotionFindCol = 5;
    const int bold = countPixels(render(h), s5, dark);
    EXPECT_GT(bold, normal + normal / 10);

    // The effect-information header never draws bold or marks.
    PotionHeader eff(PotionHeader::Kind::EffectInfo, PotionHeader::effectInfoCaptions(), colors, &list);
    eff.resize(400, 17);
    list.PotionSortCode = 1;
    colors.PotionFindCol = 1;
    const QImage a = render(eff);
    colors.PotionFindCol = 3;
    list.PotionSortCode = 0;
    EXPECT_EQ(a, render(eff));
}

void sendClick(QWidget *w, Qt::MouseButton button, QPoint pos) {
    QMouseEvent press(QEvent::MouseButtonPress, pos, w->mapToGlobal(pos), button, button, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, w->mapToGlobal(pos), button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

TEST_F(HeaderDraw, ClicksSortExceptOnNumberAndRightPressChoosesTheFindColumn) {
    PotionHeader h(PotionHeader::Kind::Recipes, PotionHeader::recipeCaptions(), colors, &list);
    h.resize(26 * 35, kHeight);
    h.show();
    int clicked = -1;
    int chosen = -1;
    QObject::connect(&h, &PotionHeader::HeaderSectionClick, [&clicked](int s) { clicked = s; });
    QObject::connect(&h, &PotionHeader::PotionFindColChosen, [&chosen](int s) { chosen = s; });

    sendClick(h.viewport(), Qt::LeftButton, QPoint(10, 8));
    EXPECT_EQ(clicked, -1) << "\"№\" is not clickable";
    sendClick(h.viewport(), Qt::LeftButton, QPoint(5 * 35 + 10, 8));
    EXPECT_EQ(clicked, 5);

    // The right edge belongs to the section on its left (left <= x <= right).
    sendClick(h.viewport(), Qt::RightButton, QPoint(3 * 35, 8));
    EXPECT_EQ(chosen, 2);
    sendClick(h.viewport(), Qt::RightButton, QPoint(3 * 35 + 1, 8));
    EXPECT_EQ(chosen, 3);
    EXPECT_EQ(clicked, 5) << "a right press does not sort";

    EXPECT_FALSE(h.sectionAllowsClick(0));
    EXPECT_TRUE(h.sectionAllowsClick(25));
    EXPECT_FALSE(h.sectionAllowsClick(26));
    PotionHeader eff(PotionHeader::Kind::EffectInfo, PotionHeader::effectInfoCaptions(), colors, nullptr);
    ASSERT_EQ(eff.count(), 7);
    for (int k = 0; k < 7; ++k)
        EXPECT_FALSE(eff.sectionAllowsClick(k));
    const std::vector<int> widths = {21, 50, 50, 50, 60, 70, 70};
    std::vector<int> got;
    eff.sectionWidths(got);
    EXPECT_EQ(got, widths);
}

} // namespace
