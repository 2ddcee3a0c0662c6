#include "recipe_list/ui/potion_header.h"

#include "common_ui/sort_mark.h"
#include "common_ui/view_colors.h"
#include "engine/potion_list.h"
#include "recipe_list/potion_cells.h"

#include <QAbstractTableModel>
#include <QMouseEvent>
#include <QPainter>

#include <cstdlib>

namespace qor {

namespace {

// The header's sections: a column count and captions, nothing else.
class SectionModel : public QAbstractTableModel {
  public:
    SectionModel(const QStringList &captions, QObject *parent)
        : QAbstractTableModel(parent), m_captions(captions) {}
    int rowCount(const QModelIndex &) const override { return 0; }
    int columnCount(const QModelIndex &parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_captions.size());
    }
    QVariant data(const QModelIndex &, int) const override { return {}; }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < m_captions.size())
            return m_captions.at(section);
        return {};
    }

  private:
    QStringList m_captions;
};

} // namespace

PotionHeader::PotionHeader(Kind kind, const QStringList &captions, const ViewColors &colors,
                           const PotionList *sortSource, QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent), m_kind(kind), m_colors(colors),
      m_sortSource(kind == Kind::Recipes ? sortSource : nullptr),
      m_sections(new SectionModel(captions, this)), m_sortUp(makeSortMark(true)),
      m_sortDown(makeSortMark(false)) {
    setModel(m_sections);
    setSectionsMovable(false);
    setSectionsClickable(kind == Kind::Recipes);
    setHighlightSections(false);
    setSortIndicatorShown(false);
    setStretchLastSection(false);
    setMinimumSectionSize(0);
    setSectionResizeMode(QHeaderView::Interactive);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (kind == Kind::Recipes) {
        setDefaultSectionSize(35);
    } else {
        const auto widths = effectInfoDefaultWidths();
        for (int k = 0; k < count() && k < static_cast<int>(widths.size()); ++k)
            resizeSection(k, widths[static_cast<std::size_t>(k)]);
    }
    connect(this, &QHeaderView::sectionClicked, this, [this](int section) {
        if (sectionAllowsClick(section))
            Q_EMIT HeaderSectionClick(section);
    });
}

QStringList PotionHeader::recipeCaptions() {
    QStringList out;
    for (int k = 0; k < PotionColumn::Count; ++k)
        out << potionColumnCaption(k);
    return out;
}

QStringList PotionHeader::effectInfoCaptions() {
    QStringList out;
    for (int k = 0; k < kPotEffColumnCount; ++k)
        out << potEffColumnCaption(k);
    return out;
}

std::vector<int> PotionHeader::effectInfoDefaultWidths() {
    return {21, 50, 50, 50, 60, 70, 70};
}

bool PotionHeader::sectionAllowsClick(int section) const {
    return m_kind == Kind::Recipes && section > 0 && section < count();
}

int PotionHeader::columnAt(int x) const {
    int left = 0;
    for (int k = 0; k < count(); ++k) {
        const int right = left + sectionSize(k);
        if (x >= left && x < right)
            return k;
        left = right;
    }
    return -1;
}

int PotionHeader::sectionAtInclusive(int x) const {
    int left = 0;
    for (int k = 0; k < count(); ++k) {
        const int right = left + sectionSize(k);
        if (x >= left && x <= right)
            return k;
        left = right;
    }
    return -1;
}

int PotionHeader::sectionLeft(int section) const {
    int left = 0;
    for (int k = 0; k < section && k < count(); ++k)
        left += sectionSize(k);
    return left;
}

void PotionHeader::sectionWidths(std::vector<int> &out) const {
    out.resize(static_cast<std::size_t>(count()));
    for (int k = 0; k < count(); ++k)
        out[static_cast<std::size_t>(k)] = sectionSize(k);
}

int PotionHeader::markWidthFor(int pictureWidth, int sectionRight) {
    return pictureWidth < sectionRight ? pictureWidth + 1 : 0;
}

const QImage *PotionHeader::sortMarkFor(int section, int sortCode) const {
    if (m_kind != Kind::Recipes || sortCode == 0)
        return nullptr;
    // 64-bit magnitude: a damaged settings value may be the most negative int.
    if (std::llabs(static_cast<long long>(sortCode)) != section)
        return nullptr;
    return sortCode < 0 ? &m_sortDown : &m_sortUp;
}

void PotionHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const {
    if (!rect.isValid())
        return;
    // The button face and frame come from the style; text and mark are ours.
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    opt.rect = rect;
    opt.section = logicalIndex;
    opt.text.clear();
    opt.sortIndicator = QStyleOptionHeader::None;
    style()->drawControl(QStyle::CE_HeaderSection, &opt, painter, this);

    const QImage *mark = m_sortSource ? sortMarkFor(logicalIndex, m_sortSource->PotionSortCode) : nullptr;
    const int sectionRight = rect.x() + rect.width();
    const int markWidth = mark ? markWidthFor(mark->width(), sectionRight) : 0;

    painter->save();
    painter->setClipRect(rect);
    QFont f = font();
    if (m_kind == Kind::Recipes && logicalIndex == m_colors.PotionFindCol)
        f.setBold(true);
    painter->setFont(f);
    painter->setPen(palette().color(QPalette::ButtonText));
    const QFontMetrics fm(f);
    const int textTop = rect.y() + rect.height() / 2 - fm.height() / 2;
    const QString caption = model()->headerData(logicalIndex, Qt::Horizontal).toString();
    painter->drawText(rect.x() + markWidth + 2, textTop + fm.ascent(), caption);
    if (markWidth > 0) {
        const int markTop = rect.y() + rect.height() / 2 - mark->height() / 2;
        painter->drawImage(rect.x() + 2, markTop, *mark);
    }
    painter->restore();
}

void PotionHeader::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::RightButton && m_kind == Kind::Recipes) {
        const int section = sectionAtInclusive(event->position().toPoint().x() + offset());
        if (section >= 0) {
            Q_EMIT PotionFindColChosen(section);
            viewport()->update();
        }
        event->accept();
        return;
    }
    QHeaderView::mousePressEvent(event);
}

} // namespace qor
