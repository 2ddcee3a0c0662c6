#pragma once
// The two lists of the current-recipe strip: `LbItemsInfo` (the three
// ingredients of CurPotion with their window pictures) and `LbEffectInfo`
// (its five effect slots in the seven columns of `HeaderEffInfo`). Neither
// ever shows a selection.

#include "common_ui/owner_draw_list.h"

namespace qor {

struct GameData;
class PotionList;
class PictureSource;
class PotionHeader;
struct ViewColors;

class ItemsInfoList : public OwnerDrawListView {
    Q_OBJECT
  public:
    static constexpr int kRows = 3;
    ItemsInfoList(const GameData &data, const PotionList &list, const ViewColors &colors,
                  PictureSource *pictures, QWidget *parent = nullptr);

    void paintItem(QPainter &painter, const QRect &rect, int row, QStyle::State state) const override;

  private:
    const GameData &m_data;
    const PotionList &m_list;
    const ViewColors &m_colors;
    PictureSource *m_pictures;
};

class EffectInfoList : public OwnerDrawListView {
    Q_OBJECT
  public:
    static constexpr int kRows = 5;
    // header is `HeaderEffInfo`; its section widths are the columns.
    // decimalPoint is the window's one separator, read at every draw.
    EffectInfoList(const GameData &data, const PotionList &list, const ViewColors &colors,
                   const PotionHeader &header, const QString &decimalPoint, QWidget *parent = nullptr);

    void paintItem(QPainter &painter, const QRect &rect, int row, QStyle::State state) const override;

  private:
    const GameData &m_data;
    const PotionList &m_list;
    const ViewColors &m_colors;
    const PotionHeader &m_header;
    const QString &m_decimalPoint;
};

} // namespace qor
