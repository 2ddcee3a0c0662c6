#pragma once
// Draws one row of the recipe list `LBPotion`: per column the row or
// highlight background, the potion-kind or ingredient row picture, marker
// colours, the lit cell's text colour and frame, vertical lines, and the cell
// text from GetPotionCellText. Holds no state between rows but the colours it
// last set, so that the pen changes only when the colour differs.

#include <QColor>
#include <QRect>

#include <span>

class QPainter;

namespace qor {

struct GameData;
class PotionList;
class PictureSource;
struct ViewColors;

// The recipe-list cell under the mouse: column code and row; -1 for none.
struct LitCell {
    int column = -1;
    int row = -1;
    friend bool operator==(const LitCell &, const LitCell &) = default;
};

class PotionRowPainter {
  public:
    PotionRowPainter(const GameData &data, const PotionList &list, const ViewColors &colors,
                     const PictureSource *pictures);

    // Call once per paint before paintRow: takes the font metrics of the painter.
    void begin(QPainter &painter);

    // Draws row `row` into rowRect (in list client coordinates; x = 0 is the
    // left edge of section 0). widths are the header's section widths in
    // section order.
    void paintRow(QPainter &painter, const QRect &rowRect, int row, bool selected, const LitCell &lit,
                  std::span<const int> widths);

  private:
    void setPen(QPainter &painter, const QColor &color);

    const GameData &m_data;
    const PotionList &m_list;
    const ViewColors &m_colors;
    const PictureSource *m_pictures;
    int m_textHeight = 0;
    int m_ascent = 0;
    QColor m_pen;
};

} // namespace qor
