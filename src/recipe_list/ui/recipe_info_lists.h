#pragma once
// The two lists of the current-recipe strip: `LbItemsInfo` (the three
// ingredients of CurPotion with their window pictures) and `LbEffectInfo`
// (its five effect slots in the seven columns of `HeaderEffInfo`). Neither
// ever shows a selection.

#include "common_ui/owner_draw_list.h"

#include <functional>

namespace qor {

struct GameData;
class PotionList;
class PictureSource;
class PotionHeader;
struct TPotionRec;
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

    // Whether brewing the recipe would teach the player its effect: such an
    // effect's name gets a muted frame and "?". Empty: no marks.
    using TeachesEffect = std::function<bool(const TPotionRec &recipe, int effect)>;
    void setTeachesEffect(TeachesEffect teaches);

  private:
    void markTeaching(QPainter &painter, const QRect &cell, const QColor &background) const;

    const GameData &m_data;
    const PotionList &m_list;
    const ViewColors &m_colors;
    const PotionHeader &m_header;
    TeachesEffect m_teaches;
    const QString &m_decimalPoint;
};

} // namespace qor
