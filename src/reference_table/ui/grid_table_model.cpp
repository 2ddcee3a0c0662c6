#include "reference_table/ui/grid_table_model.h"

#include <QLocale>

namespace qor {

GridTableModel::GridTableModel(const GameData &data, const GridState &grid, QObject *parent)
    : QAbstractTableModel(parent), m_data(data), m_grid(grid),
      m_decimalPoint(QLocale().decimalPoint()) {}

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
    if (role == Qt::DisplayRole) {
        if (index.column() == 0)
            return {};
        return GetGridData(m_data, m_grid, index.column(), gridRow, m_decimalPoint);
    }
    if (role == ItemRole)
        return m_grid.itemAtRow(gridRow);
    return {};
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return gridColumnCaption(section);
}

void GridTableModel::reload() {
    beginResetModel();
    endResetModel();
}

} // namespace qor
