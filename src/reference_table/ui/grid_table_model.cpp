#include "reference_table/ui/grid_table_model.h"

namespace qor {

GridTableModel::GridTableModel(const GameData &data, const EffectStrengths &strengths, const GridState &grid,
                               const QString &decimalPoint, QObject *parent)
    : QAbstractTableModel(parent), m_data(data), m_strengths(strengths), m_grid(grid),
      m_decimalPoint(decimalPoint) {}

int GridTableModel::rowCount(const QModelIndex &parent) const {
    if (parent.isValid())
        return 0;
    return std::max(0, m_grid.rowCount() - 1);
}

int GridTableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : kGridColumnCount;
}

QVariant GridTableModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int gridRow = index.row() + 1;
    // Columns 2..25 are the four slots, six columns each.
    const int column = index.column();
    if (m_slotKnown && column >= 2 && column <= 25 &&
        !m_slotKnown(m_grid.itemAtRow(gridRow), (column - 2) / 6)) {
        if (role == Qt::DisplayRole)
            return QStringLiteral("?");
        if (role == Qt::ForegroundRole)
            return kUnknownColor;
    }
    if (role == Qt::DisplayRole) {
        if (index.column() == 0)
            return {};
        return GetGridData(m_data, m_strengths, m_grid, index.column(), gridRow, m_decimalPoint);
    }
    if (role == ItemRole)
        return m_grid.itemAtRow(gridRow);
    if (role == Qt::BackgroundRole || role == Qt::ForegroundRole)
        return cellColor(index.column(), gridRow, role);
    return {};
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex &index) const {
    if (!index.isValid() || index.column() == 0)
        return Qt::NoItemFlags;
    return QAbstractTableModel::flags(index);
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return gridColumnCaption(section);
}

QVariant GridTableModel::cellColor(int column, int gridRow, int role) const {
    if (!GridColumn::isEffectColumn(column))
        return {};
    const int marker = gridMarkerAt(m_data, m_grid, column, gridRow);
    if (role == Qt::BackgroundRole) {
        if (marker < 0)
            return {};
        const ColorCode code = gridMarkerColor(marker + 1);
        return QColor(code & 0xFF, (code >> 8) & 0xFF, (code >> 16) & 0xFF);
    }
    const int item = m_grid.itemAtRow(gridRow);
    if (item >= 1 && item < m_data.itemRecordCount()) {
        const int effect = m_data.ItemTable[static_cast<std::size_t>(item)]
                               .Eff[static_cast<std::size_t>(GridColumn::effectSlot(column) - 1)]
                               .Effect;
        if (effect >= 1 && effect < m_data.effectRecordCount()) {
            // The highlighting wins over the marker's black text.
            const bool harmful = m_data.EffectTable[static_cast<std::size_t>(effect)].Harmful == 1;
            const QColor &highlight = harmful ? m_harmful : m_beneficial;
            if (highlight.isValid())
                return highlight;
        }
    }
    return marker >= 0 ? QVariant(QColor(Qt::black)) : QVariant();
}

void GridTableModel::setEffectHighlight(const QColor &harmful, const QColor &beneficial) {
    m_harmful = harmful;
    m_beneficial = beneficial;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kGridColumnCount - 1));
}

void GridTableModel::reload() {
    beginResetModel();
    endResetModel();
}

} // namespace qor
