#include "reference_table/grid_model.h"

#include "recipe_list/potion_cells.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace qor {

namespace {

QString nameAt(const QStringList &names, int index) {
    return index >= 0 && index < names.size() ? names.at(index) : QString();
}

// Weight x 1000 rounded to the nearest integer, halves to even, held in the
// int32 range (a damaged weight must not overflow the conversion).
std::int32_t weightKey(double weight) {
    const double scaled = std::nearbyint(weight * 1000.0);
    if (std::isnan(scaled))
        return 0;
    if (scaled >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (scaled <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(scaled);
}

} // namespace

ColorCode gridMarkerColor(int marker) {
    // Red in the low byte, then green, then blue.
    switch (marker) {
    case 1:
        return 0x0000FF;
    case 2:
        return 0x00FF00;
    case 3:
        return 0xFFFF00;
    case 4:
        return 0x00FFFF;
    default:
        return 0;
    }
}

int GridState::itemAtRow(int row) const {
    return row >= 0 && row < rowCount() ? GridRowOrder[static_cast<std::size_t>(row)] : -1;
}

int GridState::rowOfItem(int item) const {
    for (int row = 1; row < rowCount(); ++row) {
        if (GridRowOrder[static_cast<std::size_t>(row)] == item)
            return row;
    }
    return -1;
}

void resetGridRowOrder(const GameData &data, GridState &grid) {
    grid.GridRowOrder.resize(static_cast<std::size_t>(data.itemRecordCount()));
    std::iota(grid.GridRowOrder.begin(), grid.GridRowOrder.end(), 0);
}

int normalizeGridFindCol(int column) {
    return column <= 0 || column > kGridLastColumn ? 1 : column;
}

std::int32_t gridSortKey(const GameData &data, const EffectStrengths &strengths, int item, int column) {
    Q_ASSERT(strengths.fits(data) || strengths.itemRecordCount() == 0);
    if (item < 0 || item >= data.itemRecordCount())
        return 0;
    const TItemRec &rec = data.ItemTable[static_cast<std::size_t>(item)];
    switch (column) {
    case GridColumn::Item:
        return item;
    case GridColumn::Price:
        return rec.Cost;
    case GridColumn::Weight:
        return weightKey(rec.Weight);
    case GridColumn::Id:
        return rec.ID;
    default:
        break;
    }
    if (column < 2 || column > 25)
        return 0;
    const int s = (column - 2) / 6;
    const TItemEffect &slot = rec.Eff[static_cast<std::size_t>(s)];
    // Before the first computation the table is empty: the computed columns
    // show 0 rather than read past it.
    const SlotStrength computed =
        item < strengths.itemRecordCount() ? strengths.slot(item, s) : SlotStrength{};
    switch ((column - 2) % 6) {
    case 0:
        return slot.BasePower;
    case 1:
        return slot.BaseTime;
    case 2:
        return computed.Power;
    case 3:
        return computed.Time;
    case 4:
        return computed.Cost;
    default:
        return slot.Effect;
    }
}

void SortGrid(const GameData &data, const EffectStrengths &strengths, GridState &grid) {
    const int code = grid.GridSortCode;
    if (code == 0 || code < -kGridLastColumn || code > kGridLastColumn)
        return;
    if (grid.rowCount() != data.itemRecordCount())
        resetGridRowOrder(data, grid);
    const int column = code > 0 ? code : -code;
    const bool ascending = code > 0;

    std::vector<std::int32_t> order(static_cast<std::size_t>(std::max(data.highestItem(), 0)));
    std::iota(order.begin(), order.end(), 1);

    if (column == GridColumn::SecondName) {
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(order.begin(), order.end(), [&](std::int32_t a, std::int32_t b) {
            return collator.compare(nameAt(data.ItemNames2, a), nameAt(data.ItemNames2, b)) < 0;
        });
        if (!ascending)
            std::reverse(order.begin(), order.end());
    } else {
        // Largest key first, equal keys in index order; the ascending order is
        // exactly this list reversed, so equal keys then run from the highest
        // index down.
        std::vector<std::int32_t> keys(static_cast<std::size_t>(data.itemRecordCount()));
        for (int item = 1; item < data.itemRecordCount(); ++item)
            keys[static_cast<std::size_t>(item)] = gridSortKey(data, strengths, item, column);
        std::stable_sort(order.begin(), order.end(), [&keys](std::int32_t a, std::int32_t b) {
            return keys[static_cast<std::size_t>(a)] > keys[static_cast<std::size_t>(b)];
        });
        if (ascending)
            std::reverse(order.begin(), order.end());
    }
    std::copy(order.begin(), order.end(), grid.GridRowOrder.begin() + 1);
}

QString gridColumnCaption(int column) {
    switch (column) {
    case GridColumn::Item:
        return QStringLiteral("Ингредиент");
    case GridColumn::Price:
        return QStringLiteral("Цена");
    case GridColumn::Weight:
        return QStringLiteral("Вес");
    case GridColumn::Id:
        return QStringLiteral("ID");
    case GridColumn::SecondName:
        return QStringLiteral("Name");
    default:
        break;
    }
    if (column < 2 || column > 25)
        return {};
    const QString n = QString::number((column - 2) / 6 + 1);
    switch ((column - 2) % 6) {
    case 0:
        return QStringLiteral("Magnitude эф. ") + n;
    case 1:
        return QStringLiteral("Duration эф. ") + n;
    case 2:
        return QStringLiteral("Сила эф. ") + n;
    case 3:
        return QStringLiteral("Время эф. ") + n;
    case 4:
        return QStringLiteral("Цена эф. ") + n;
    default:
        return QStringLiteral("Эффект ") + n;
    }
}

QString GetGridData(const GameData &data, const EffectStrengths &strengths, const GridState &grid, int column,
                    int row, const QString &decimalPoint) {
    if (column < 1 || column > kGridLastColumn || row < 0 || row >= grid.rowCount())
        return {};
    if (row == 0)
        return gridColumnCaption(column);
    const int item = grid.itemAtRow(row);
    if (item < 0 || item >= data.itemRecordCount())
        return {};
    const TItemRec &rec = data.ItemTable[static_cast<std::size_t>(item)];
    switch (column) {
    case GridColumn::Item:
        return nameAt(data.ItemNames, item);
    case GridColumn::Weight:
        return formatGeneral(rec.Weight, decimalPoint);
    case GridColumn::Id:
        return QStringLiteral("%1")
            .arg(static_cast<std::uint32_t>(rec.ID), 8, 16, QLatin1Char('0'))
            .toUpper();
    case GridColumn::SecondName:
        return nameAt(data.ItemNames2, item);
    default:
        break;
    }
    if (GridColumn::isEffectColumn(column))
        return nameAt(data.EffectNames,
                      rec.Eff[static_cast<std::size_t>(GridColumn::effectSlot(column) - 1)].Effect);
    return QString::number(gridSortKey(data, strengths, item, column));
}

GridElement GetGridDataNum(const GameData &data, const GridState &grid, int mode, int column, int row) {
    GridElement element;
    if (row < 1 || row >= grid.rowCount())
        return element;
    const int item = grid.itemAtRow(row);
    if (item < 0 || item >= data.itemRecordCount())
        return element;
    element.item = item;
    if (mode == 0 && column == GridColumn::Item) {
        element.result = element.item;
    } else if (mode == 1 && GridColumn::isEffectColumn(column)) {
        const int slot = GridColumn::effectSlot(column);
        element.result = data.ItemTable[static_cast<std::size_t>(element.item)]
                             .Eff[static_cast<std::size_t>(slot - 1)]
                             .Effect;
    }
    return element;
}

int gridHeaderClickSortCode(int currentCode, int column) {
    if (column < 1 || column > kGridLastColumn)
        return currentCode;
    if (currentCode == column || currentCode == -column)
        return -currentCode;
    return column;
}

bool gridHeaderClickCounts(int pressColumn, int pressRow, int releaseColumn, int releaseRow) {
    return pressRow == 0 && releaseRow == 0 && pressColumn == releaseColumn && pressColumn >= 1 &&
           pressColumn <= kGridLastColumn;
}

int applyGridHeaderClick(const GameData &data, const EffectStrengths &strengths, GridState &grid, int column,
                         int currentRow) {
    const int item = currentRow >= 1 ? grid.itemAtRow(currentRow) : -1;
    grid.GridSortCode = gridHeaderClickSortCode(grid.GridSortCode, column);
    SortGrid(data, strengths, grid);
    if (item < 0)
        return currentRow;
    const int row = grid.rowOfItem(item);
    return row > 0 ? row : currentRow;
}

GridPopupState gridPopupState(const GameData &data, const GridState &grid, int column, int row) {
    GridPopupState state;
    const GridElement element = GetGridDataNum(data, grid, 1, column, row);
    state.setAllMarkers = element.item >= 0;
    state.effectCommands = element.item >= 0 && GridColumn::isEffectColumn(column);
    return state;
}

std::optional<GridTarget> ShowItemInGrid(const GameData &data, const GridState &grid, int value, int mode,
                                         bool byRow, int topRow, int clientHeight, int defaultRowHeight) {
    const int rows = grid.rowCount();
    if (rows < 2)
        return std::nullopt;
    GridTarget target;
    if (byRow) {
        target.row = std::clamp(value, 1, rows - 1);
        target.column = GridColumn::Item;
    } else if (mode == 0) {
        target.row = grid.rowOfItem(value);
        target.column = GridColumn::Item;
    } else if (mode == 1) {
        target.row = -1;
        if (value < 1)
            return std::nullopt;
        for (int row = 1; row < rows && target.row < 0; ++row) {
            const int item = grid.itemAtRow(row);
            if (item < 0 || item >= data.itemRecordCount())
                continue;
            const auto &slots = data.ItemTable[static_cast<std::size_t>(item)].Eff;
            for (int s = 1; s <= kSlotsPerItem; ++s) {
                if (slots[static_cast<std::size_t>(s - 1)].Effect == value) {
                    target.row = row;
                    target.column = GridColumn::effect(s);
                    break;
                }
            }
        }
    } else {
        return std::nullopt;
    }
    if (target.row < 1)
        return std::nullopt;

    const int visible = defaultRowHeight > 0 ? std::max(clientHeight, 0) / defaultRowHeight : 0;
    target.topRow = topRow;
    if (target.row < topRow || target.row - topRow > visible)
        target.topRow = std::max(1, target.row - visible / 2 + 1);
    return target;
}

int ScrollGrid(int topRow, int delta, int rowCount, int clientHeight, int headerRowHeight,
               int defaultRowHeight) {
    const int step = std::max(defaultRowHeight + 1, 1);
    const int visible = std::max(1, (clientHeight - headerRowHeight) / step);
    long long first = static_cast<long long>(topRow) + delta;
    if (first + visible > rowCount)
        first = rowCount - visible;
    return static_cast<int>(std::max(1LL, first));
}

int gridMarkerAt(const GameData &data, const GridState &grid, int column, int row) {
    if (!GridColumn::isEffectColumn(column) || row < 1)
        return -1;
    const int item = grid.itemAtRow(row);
    if (item < 0 || item >= data.itemRecordCount())
        return -1;
    const int effect = data.ItemTable[static_cast<std::size_t>(item)]
                           .Eff[static_cast<std::size_t>(GridColumn::effectSlot(column) - 1)]
                           .Effect;
    for (int m = 0; m < kGridMarkerCount; ++m) {
        const GridMarker &marker = grid.GridMarkers[static_cast<std::size_t>(m)];
        if (marker.on && marker.effect == effect)
            return m;
    }
    return -1;
}

void setAllGridMarkers(const GameData &data, GridState &grid, int item) {
    if (item < 0 || item >= data.itemRecordCount())
        return;
    for (int m = 0; m < kGridMarkerCount; ++m) {
        GridMarker &marker = grid.GridMarkers[static_cast<std::size_t>(m)];
        marker.on = true;
        marker.effect =
            data.ItemTable[static_cast<std::size_t>(item)].Eff[static_cast<std::size_t>(m)].Effect;
    }
}

void disableGridMarkers(GridState &grid) {
    for (GridMarker &marker : grid.GridMarkers)
        marker.on = false;
}

int countItemsWithEffect(const GameData &data, int effect) {
    if (effect < 1)
        return 0;
    int n = 0;
    for (int item = 1; item < data.itemRecordCount(); ++item) {
        const auto &slots = data.ItemTable[static_cast<std::size_t>(item)].Eff;
        if (std::any_of(slots.begin(), slots.end(),
                        [effect](const TItemEffect &s) { return s.Effect == effect; }))
            ++n;
    }
    return n;
}

QString countItemsWithEffectMessage(const QString &effectName, int count) {
    return QStringLiteral("Кол-во ингредиентов с эффектом \"") + effectName + QStringLiteral("\": ") +
           QString::number(count) + QStringLiteral("        ");
}

} // namespace qor
