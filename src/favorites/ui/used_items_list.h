#pragma once
// `CLbUsedItems`: one row per ingredient 1..H (row r is ingredient r + 1)
// with a check box, the ingredient's picture and its name. The check marks
// show ItemAvailable, the working copy of the current set; a click on a check
// box (or Space) asks for the change through checkToggled and leaves the
// edit of the set to the window.

#include "common_ui/owner_draw_list.h"

namespace qor {

struct GameData;
class PictureSource;
struct UsedItemsModel;
struct ViewColors;

class UsedItemsList : public OwnerDrawListView {
    Q_OBJECT
  public:
    UsedItemsList(const UsedItemsModel &sets, const GameData &data, const ViewColors &colors,
                  const PictureSource *pictures, QWidget *parent = nullptr);

    int count() const;
    bool isChecked(int row) const;
    // The check box of a row inside the row's rectangle.
    QRect checkRect(const QRect &rowRect) const;
    // A row's ingredient name and where it starts (pixels from the row's
    // left edge): after the check box and the picture square.
    QString rowText(int row) const;
    int textIndent(int row) const;
    // The same for a row of that height (drawing, which may scale rows).
    int textIndentIn(int row, int rowHeight) const;

    void paintItem(QPainter &painter, const QRect &rect, int row, QStyle::State state) const override;

  Q_SIGNALS:
    void checkToggled(int row, bool checked);

  protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    const UsedItemsModel &m_sets;
    const GameData &m_data;
    const ViewColors &m_colors;
    const PictureSource *m_pictures;
};

} // namespace qor
