#pragma once
// The four lists of the alternative-making page, drawn from AltMaking's
// arrays: `LbAltEffectsList` (AltEffectRows, unreachable effects gray),
// `LbAltAmountEffects` (AltEffects), `LbAltItemsList` (AltCandidates) and
// `LbAltAmountItems` (AltItems). Call refresh() after every change of the arrays.

#include "common_ui/owner_draw_list.h"

namespace qor {

struct GameData;
struct AltMaking;
class PictureSource;
struct ViewColors;

class AltEffectsList : public OwnerDrawListView {
    Q_OBJECT
  public:
    enum class Kind { Available, Amount }; // LbAltEffectsList, LbAltAmountEffects
    AltEffectsList(Kind kind, const GameData &data, const AltMaking &alt, const ViewColors &colors,
                   QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    // Effect index shown in a row, 0 outside the rows.
    int effectAt(int row) const;

    void paintItem(QPainter &painter, const QRect &rect, int row, QStyle::State state) const override;

  private:
    Kind m_kind;
    const GameData &m_data;
    const AltMaking &m_alt;
    const ViewColors &m_colors;
};

class AltItemsList : public OwnerDrawListView {
    Q_OBJECT
  public:
    enum class Kind { Candidates, Amount }; // LbAltItemsList, LbAltAmountItems
    AltItemsList(Kind kind, const GameData &data, const AltMaking &alt, const ViewColors &colors,
                 const PictureSource *pictures, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    // Ingredient index shown in a row, 0 outside the rows.
    int itemAt(int row) const;

    void paintItem(QPainter &painter, const QRect &rect, int row, QStyle::State state) const override;

  private:
    Kind m_kind;
    const GameData &m_data;
    const AltMaking &m_alt;
    const ViewColors &m_colors;
    const PictureSource *m_pictures;
};

// Draws the effect symbol in the effect's colour at left + 2 in a box as wide
// as the symbol + 2; returns the x where the name starts (box right + 2).
// Shared by the effect lists and the effect choosers.
int drawEffectSymbol(QPainter &painter, const QRect &rect, const GameData &data, int effect,
                     const ViewColors &colors);

} // namespace qor
