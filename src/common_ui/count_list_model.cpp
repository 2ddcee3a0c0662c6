#include "common_ui/count_list_model.h"

#include "engine/potion_list.h"

#include <QItemSelectionModel>

#include <algorithm>

namespace qor {

CountListModel::CountListModel(CountFn count, QObject *parent)
    : QAbstractListModel(parent), m_countFn(std::move(count)) {
    m_count = sourceCount();
}

int CountListModel::sourceCount() const {
    return m_countFn ? std::max(0, m_countFn()) : 0;
}

int CountListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_count;
}

QVariant CountListModel::data(const QModelIndex &, int) const {
    // The views draw every row from the container; the model holds no data.
    return {};
}

void CountListModel::refresh() {
    const int n = sourceCount();
    if (n > m_count) {
        beginInsertRows({}, m_count, n - 1);
        m_count = n;
        endInsertRows();
    } else if (n < m_count) {
        beginRemoveRows({}, n, m_count - 1);
        m_count = n;
        endRemoveRows();
    }
    if (m_count > 0)
        Q_EMIT dataChanged(index(0), index(m_count - 1));
}

void CountListModel::reset() {
    beginResetModel();
    m_count = sourceCount();
    endResetModel();
}

PotionListModel::PotionListModel(const PotionList &list, QObject *parent)
    : CountListModel([&list] { return list.PotionCount(); }, parent) {}

int selectedRow(const QItemSelectionModel *selection) {
    if (!selection)
        return -1;
    const QModelIndexList rows = selection->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QModelIndex selectRow(QItemSelectionModel *selection, const CountListModel &model, int row) {
    if (row < 0 || row >= model.count()) {
        selection->clear();
        return {};
    }
    const QModelIndex idx = model.index(row);
    selection->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect);
    return idx;
}

} // namespace qor
