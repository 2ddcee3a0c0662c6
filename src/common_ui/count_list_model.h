#pragma once
// A virtual list model: only a row count, no data. Every owner-drawn list of
// the main window sits on one; its view computes what to draw from the row
// number. The count comes from a function over the real container, and the
// views learn of a change only through refresh() or reset().

#include <QAbstractListModel>

class QItemSelectionModel;

#include <functional>

namespace qor {

class PotionList;

class CountListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    using CountFn = std::function<int()>;

    explicit CountListModel(CountFn count, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // Adopts the container's current count: rows appended or removed at the
    // end (a selection inside the remaining rows survives), all rows repainted.
    void refresh();
    // Adopts the count with a full model reset (selection and current row lost).
    void reset();

    // The count the views know (the container's count at the last refresh).
    int count() const { return m_count; }

  private:
    int sourceCount() const;

    CountFn m_countFn;
    int m_count = 0;
};

// Single-row selection of a list view over a CountListModel: the selected row
// (-1 when none), and selecting a row (a row outside the model clears the
// selection). Returns the index selected, invalid when cleared.
int selectedRow(const QItemSelectionModel *selection);
QModelIndex selectRow(QItemSelectionModel *selection, const CountListModel &model, int row);

// The recipe list model: row r is Potions[r]; rowCount = PotionCount.
class PotionListModel : public CountListModel {
    Q_OBJECT
  public:
    explicit PotionListModel(const PotionList &list, QObject *parent = nullptr);
};

} // namespace qor
