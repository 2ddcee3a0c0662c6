#pragma once
// The two owner-drawn header bars: `Header` over the recipe list (26 sections,
// sort mark on |PotionSortCode|, the find column in bold) and `HeaderEffInfo`
// over the recipe's effect list (7 sections, plain captions). Each section is
// painted by paintSection, the counterpart of HeaderDrawSection. The header
// carries its own section model; its section widths define the columns of
// the list below it.

#include <QHeaderView>
#include <QImage>
#include <QStringList>

#include <vector>

class QAbstractItemModel;

namespace qor {

class PotionList;
struct ViewColors;

class PotionHeader : public QHeaderView {
    Q_OBJECT
  public:
    enum class Kind { Recipes, EffectInfo };

    // sortSource gives PotionSortCode for the sort mark; null for EffectInfo.
    PotionHeader(Kind kind, const QStringList &captions, const ViewColors &colors,
                 const PotionList *sortSource, QWidget *parent = nullptr);

    // The recipe list's 26 captions ("№", "Тип", …, "Эффект 5").
    static QStringList recipeCaptions();
    // The seven captions of the effect-information header.
    static QStringList effectInfoCaptions();
    // Initial section widths of the effect-information header.
    static std::vector<int> effectInfoDefaultWidths();

    Kind kind() const { return m_kind; }

    // Whether a click on the section may sort (section 0 "№" and every section
    // of the effect-information header may not).
    bool sectionAllowsClick(int section) const;

    // GetLbPotionColumn: the section k with sum(w0..wk-1) <= x < that sum + wk,
    // or -1. Positions in the coordinates of the list under the header.
    int columnAt(int x) const;
    // The section hit by a right-button press: the first whose left <= x <= right.
    int sectionAtInclusive(int x) const;

    // Left edge and width of a section by summing the widths of the sections before it.
    int sectionLeft(int section) const;
    // Current widths of all sections in section order.
    void sectionWidths(std::vector<int> &out) const;

    const QImage &ImgSortUp() const { return m_sortUp; }
    const QImage &ImgSortDown() const { return m_sortDown; }

    // The mark-width rule: picture width + 1 when the width is smaller than the
    // section rectangle's right coordinate (exclusive), else 0.
    static int markWidthFor(int pictureWidth, int sectionRight);
    // The mark a section shows for a sort code: nullptr for none.
    const QImage *sortMarkFor(int section, int sortCode) const;

  Q_SIGNALS:
    // A left click released on a section that allows clicks (HeaderSectionClick).
    void HeaderSectionClick(int section);
    // A right-button press on a section of `Header`: it becomes PotionFindCol.
    void PotionFindColChosen(int section);

  protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *event) override;

  private:
    Kind m_kind;
    const ViewColors &m_colors;
    const PotionList *m_sortSource;
    QAbstractItemModel *m_sections; // owned through QObject parenting
    QImage m_sortUp;
    QImage m_sortDown;
};

} // namespace qor
