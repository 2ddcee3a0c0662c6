#pragma once
// Shared pieces of the drawing tests: the application object, a small game
// data set built by hand, pictures in plain colours and pixel helpers.

#include "gui_test_support.h"

#include "common_ui/owner_draw_list.h"
#include "common_ui/picture_source.h"
#include "common_ui/view_colors.h"
#include "engine/potion_list.h"
#include "game_data/game_data.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <functional>

namespace qor::drawtest {

// The one QApplication of the test program, shared with the main-window tests.
inline void ensureApp() {
    qor::test::ensureApplication();
}

// One row of an owner-drawn list painted into a picture of its own.
inline QImage paintListRow(const OwnerDrawListView &list, int row, QStyle::State state, QSize size) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setFont(list.font());
    list.paintItem(p, QRect(QPoint(0, 0), size), row, state);
    p.end();
    return img;
}

// Colours that are easy to tell apart in a rendered picture.
inline ViewColors testColors() {
    ViewColors c;
    c.Window = QColor(255, 255, 255);
    c.WindowText = QColor(0, 0, 255);
    c.Highlight = QColor(0, 0, 128);
    c.HighlightText = QColor(255, 255, 0);
    c.GrayText = QColor(128, 128, 128);
    c.PotionColor2 = QColor(220, 220, 255);
    c.EffInfoColor2 = QColor(230, 255, 230);
    c.CellLightColor = QColor(255, 0, 0);
    c.VertLineColor = QColor(0, 160, 0);
    c.GoodEffColor = QColor(0, 200, 0);
    c.PoisonEffColor = QColor(230, 0, 0);
    c.EffColorChar = QChar(0x25A0); // a filled square: solid pixels of one colour
    c.LightCellMode = 0;
    c.DrawVertLines = false;
    c.PotionFindCol = 3;
    return c;
}

// Three ingredients, three effects (effect 2 harmful, effect 3 a percentage).
inline GameData testData() {
    GameData d;
    d.ItemTable.resize(4);
    d.ItemNames = {QStringLiteral("-"), QStringLiteral("Корень"), QStringLiteral("Гриб"),
                   QStringLiteral("Перо")};
    d.ItemNamesUp = d.ItemNames;
    d.ItemNames2 = d.ItemNames;
    d.EffectTable.resize(4);
    d.EffectTable[2].Harmful = 1;
    d.EffectTable[3].Percent = 1;
    for (auto &e : d.EffectTable)
        e.BaseCost = 1.5;
    d.EffectNames = {QStringLiteral("-"), QStringLiteral("Лечение"), QStringLiteral("Яд"),
                     QStringLiteral("Сопротивление")};
    d.EffectNamesUp = d.EffectNames;
    d.EffectFilterGroup = {-1, -1, -1, -1};
    for (int i = 1; i <= 3; ++i) {
        d.ItemTable[static_cast<std::size_t>(i)].Eff[0].Effect = 1;
        d.ItemTable[static_cast<std::size_t>(i)].Eff[1].Effect = 2;
    }
    return d;
}

// A recipe of two ingredients with two effects (slots 3..5 empty).
inline TPotionRec twoEffectRecipe(int cost, int item1 = 1, int item2 = 2, std::uint8_t type = 0) {
    TPotionRec r;
    r.ItemCount = 2;
    r.EffCount = 2;
    r.MainEffSlot = 1;
    r.Cost = cost;
    r.Items = {item1, item2, 0};
    r.Effects[0] = {1, 10, 30, cost / 2};
    r.Effects[1] = {2, 5, 0, cost - cost / 2};
    r.PotionType = type;
    return r;
}

// Pictures in plain colours: row pictures by variant, kind pictures, small
// and window pictures; every item has them unless listed in missing.
class ColourPictures : public PictureSource {
  public:
    static QColor rowColour(RowPicture v) {
        switch (v) {
        case RowPicture::Even:
            return {255, 128, 0};
        case RowPicture::Odd:
            return {0, 200, 200};
        case RowPicture::Selected:
            return {200, 0, 200};
        }
        return {};
    }
    static QColor kindColour() { return {90, 60, 30}; }
    static QColor smallColour() { return {250, 100, 150}; }
    static QColor windowColour() { return {10, 120, 60}; }

    const QImage *rowPicture(int item, RowPicture v) const override {
        if (item <= 0 || m_side == 0)
            return nullptr;
        return &m_rows[static_cast<int>(v)];
    }
    const QImage *kindRowPicture(int, RowPicture) const override { return m_side == 0 ? nullptr : &m_kind; }
    const QImage *smallPicture(int item) const override { return item > 0 ? &m_small : nullptr; }
    const QImage *windowPicture(int item) override { return item > 0 ? &m_window : nullptr; }
    void ensureRowPictures(int rowHeight, const QColor &, const QColor &, const QColor &) override {
        ++ensureCalls;
        if (m_side == rowHeight)
            return;
        m_side = rowHeight;
        for (int v = 0; v < 3; ++v) {
            m_rows[v] = QImage(rowHeight, rowHeight, QImage::Format_RGB32);
            m_rows[v].fill(rowColour(static_cast<RowPicture>(v)));
        }
        // Narrower than the row: the rest of the "Тип" cell must stay background.
        m_kind = QImage(10, rowHeight, QImage::Format_RGB32);
        m_kind.fill(kindColour());
    }
    ColourPictures() {
        m_small = QImage(32, 32, QImage::Format_ARGB32);
        m_small.fill(smallColour());
        m_window = QImage(40, 30, QImage::Format_RGB32);
        m_window.fill(windowColour());
    }
    int side() const { return m_side; }
    int ensureCalls = 0;

  private:
    int m_side = 0;
    QImage m_rows[3];
    QImage m_kind;
    QImage m_small;
    QImage m_window;
};

inline QImage render(QWidget &w) {
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline QColor px(const QImage &img, int x, int y) {
    return QColor(img.pixel(x, y));
}

// Number of pixels inside r that satisfy pred.
inline int countPixels(const QImage &img, const QRect &r, const std::function<bool(QColor)> &pred) {
    int n = 0;
    const QRect area = r.intersected(img.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (pred(QColor(img.pixel(x, y))))
                ++n;
    return n;
}

inline int countColour(const QImage &img, const QRect &r, const QColor &c) {
    return countPixels(img, r, [&c](QColor p) { return p.rgb() == c.rgb(); });
}

// Pixels that are neither of two background colours: text, marks, lines.
inline int countForeground(const QImage &img, const QRect &r, const QColor &bg) {
    return countPixels(img, r, [&bg](QColor p) { return p.rgb() != bg.rgb(); });
}

} // namespace qor::drawtest
