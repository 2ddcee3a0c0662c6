#include "recipe_list/ui/chooser_combo.h"

#include "common_ui/picture_source.h"
#include "common_ui/view_colors.h"
#include "game_data/game_data.h"
#include "recipe_list/ui/alt_lists.h"

#include <QAbstractItemDelegate>
#include <QImage>
#include <QKeyEvent>
#include <QListView>
#include <QPainter>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include <algorithm>

namespace qor {

namespace {

// Items of the drop-down list: painted by the chooser, all one height.
class ChooserItemDelegate : public QAbstractItemDelegate {
  public:
    explicit ChooserItemDelegate(ChooserComboBox *combo) : QAbstractItemDelegate(combo), m_combo(combo) {}
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        painter->save();
        painter->setFont(option.font);
        m_combo->paintChooserItem(*painter, option.rect, index.row(),
                                  option.state.testFlag(QStyle::State_Selected));
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override {
        return {1, kChooserItemHeight};
    }

  private:
    const ChooserComboBox *m_combo;
};

// Styles that open a drop-down as a screen-high popup over the chooser
// ignore the visible-row count; the plain list below the chooser honours it.
class ListDropDownStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The drop-down list without its own search by typed text.
class DropDownListView : public QListView {
  public:
    using QListView::QListView;
    void keyboardSearch(const QString &) override {}
};

} // namespace

ChooserComboBox::ChooserComboBox(Kind kind, const GameData &data, const ViewColors &colors,
                                 const PictureSource *pictures, QWidget *parent)
    : QComboBox(parent), m_kind(kind), m_data(data), m_colors(colors), m_pictures(pictures) {
    setView(new DropDownListView(this));
    setItemDelegate(new ChooserItemDelegate(this));
    auto *style = new ListDropDownStyle;
    style->setParent(this);
    setStyle(style);
}

void ChooserComboBox::setGrayPredicate(std::function<bool()> lineIsOff) {
    m_lineIsOff = std::move(lineIsOff);
    update();
}

void ChooserComboBox::setOverriddenPredicate(std::function<bool()> overridden) {
    m_overridden = std::move(overridden);
    update();
}

void ChooserComboBox::keyPressEvent(QKeyEvent *event) {
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text.at(0).isPrint() && text != QLatin1String(" ") &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (typed) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

bool ChooserComboBox::isGrayed() const {
    return (m_colors.grayDisabledItems && m_lineIsOff && m_lineIsOff()) || (m_overridden && m_overridden());
}

void ChooserComboBox::paintChooserItem(QPainter &painter, const QRect &rect, int row, bool selected) const {
    painter.fillRect(rect, selected ? m_colors.Highlight : m_colors.Window);
    if (row < 0 || row >= count())
        return;
    const QFontMetrics fm = painter.fontMetrics();
    const int baseline = rect.top() + rect.height() / 2 - fm.height() / 2 + fm.ascent();

    if (m_kind == Kind::Ingredient) {
        // Item i is ingredient i: its name after a square of the item height,
        // then its thumbnail in that square.
        const int side = rect.height();
        painter.setPen(selected ? m_colors.HighlightText : m_colors.WindowText);
        painter.drawText(rect.left() + side + 2, baseline, m_data.ItemNames.value(row));
        if (m_pictures && row > 0 && row < m_data.itemRecordCount()) {
            if (const QImage *pic = m_pictures->smallPicture(row))
                painter.drawImage(QRect(rect.left(), rect.top(), side, side), *pic);
        }
        return;
    }

    int textLeft = rect.left() + 2;
    if (m_kind == Kind::Effect && row > 0)
        textLeft = drawEffectSymbol(painter, rect, m_data, row, m_colors);
    QColor text = selected ? m_colors.HighlightText : m_colors.WindowText;
    if (isGrayed())
        text = m_colors.GrayText;
    painter.setPen(text);
    painter.drawText(textLeft, baseline, itemText(row));
}

int ChooserComboBox::itemWidth(int row, const QFontMetrics &metrics) const {
    switch (m_kind) {
    case Kind::Ingredient:
        return kChooserItemHeight + 2 + metrics.horizontalAdvance(m_data.ItemNames.value(row));
    case Kind::Effect: {
        // The symbol's box (symbol + 2 from left + 2) and the gap after it.
        const int symbol = row > 0 ? metrics.horizontalAdvance(QString(m_colors.EffColorChar)) + 4 : 0;
        return 2 + symbol + metrics.horizontalAdvance(itemText(row));
    }
    case Kind::Text:
        break;
    }
    return 2 + metrics.horizontalAdvance(itemText(row));
}

int ChooserComboBox::dropDownWidth() const {
    const QFontMetrics metrics = view()->fontMetrics();
    int widest = 0;
    for (int row = 0; row < count(); ++row)
        widest = std::max(widest, itemWidth(row, metrics));
    const QWidget *popup = view()->window();
    const int frame = popup != window() ? popup->width() - view()->viewport()->width() : 0;
    return widest + 2 * metrics.averageCharWidth() +
           std::max(frame, style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

void ChooserComboBox::showPopup() {
    QComboBox::showPopup();
    QWidget *popup = view()->window();
    if (popup == window())
        return;
    const QScreen *shown = popup->screen() ? popup->screen() : screen();
    const QRect room = shown ? shown->availableGeometry() : QRect();
    QRect bounds = popup->geometry();
    bounds.setWidth(std::max(bounds.width(), dropDownWidth()));
    if (room.isValid()) {
        bounds.setWidth(std::min(bounds.width(), room.width()));
        if (bounds.right() > room.right())
            bounds.moveRight(room.right());
        if (bounds.left() < room.left())
            bounds.moveLeft(room.left());
    }
    popup->setGeometry(bounds);
}

void ChooserComboBox::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText.clear();
    opt.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, opt);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
    painter.save();
    painter.setClipRect(field);
    paintChooserItem(painter, field, currentIndex(), hasFocus() && !isEditable());
    painter.restore();
}

} // namespace qor
