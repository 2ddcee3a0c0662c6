#pragma once
// A plain table model over the reference grid's texts: column 0 shows the
// ingredient (ItemRole, drawn as its picture by GridCellDelegate), columns
// 1..29 the texts of GetGridData, the captions are the header. An effect
// cell under a marker has the marker's background and black text; the
// highlighting of harmful or beneficial effects colours their names. Rows are the grid's data rows 1..H (grid
// row r is model row r - 1). No strings are held.

#include "reference_table/grid_model.h"

#include <QAbstractTableModel>
#include <QColor>

#include <functional>

namespace qor {

class GridTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // The ingredient index of a row (any column).
    static constexpr int ItemRole = Qt::UserRole + 1;

    // decimalPoint (the window's one separator) is read at every draw.
    GridTableModel(const GameData &data, const EffectStrengths &strengths, const GridState &grid,
                   const QString &decimalPoint, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The picture column cannot be selected nor made current.
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // After the row order or the tables changed.
    void reload();

    // Text colours of harmful and beneficial effect names while their
    // highlighting is on (invalid colour: off). Markers need no setting:
    // they live in the grid state.
    void setEffectHighlight(const QColor &harmful, const QColor &beneficial);

    // Whether the player knows an ingredient's slot (0-based); the cells of
    // a slot he does not know show "?" in the muted colour. Empty: all known.
    using SlotKnown = std::function<bool(int item, int slot)>;
    void setSlotKnown(SlotKnown known) { m_slotKnown = std::move(known); }
    static constexpr QColor kUnknownColor{128, 128, 128};

  private:
    QVariant cellColor(int column, int gridRow, int role) const;

    const GameData &m_data;
    const EffectStrengths &m_strengths;
    const GridState &m_grid;
    const QString &m_decimalPoint;
    QColor m_harmful;
    QColor m_beneficial;
    SlotKnown m_slotKnown;
};

} // namespace qor
