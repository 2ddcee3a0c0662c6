#pragma once
// The reference grid's model: which ingredient each grid row shows, the sort
// by any of the 29 data columns, every cell's text, the element under a cell,
// the four effect markers and the target and scroll arithmetic. The grid
// widget holds no strings; it asks here by column and row.

#include "engine/effect_strength.h"
#include "game_data/game_data.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace qor {

inline constexpr int kGridColumnCount = 30; // column 0 is the picture column
inline constexpr int kGridLastColumn = 29;
inline constexpr int kGridMarkerCount = 4;

// Column codes of the grid.
namespace GridColumn {
inline constexpr int Item = 1;
inline constexpr int Price = 26;
inline constexpr int Weight = 27;
inline constexpr int Id = 28;
inline constexpr int SecondName = 29;
// Columns of ingredient slot s (1..4).
constexpr int basePower(int s) {
    return 6 * s - 4;
}
constexpr int baseTime(int s) {
    return 6 * s - 3;
}
constexpr int power(int s) {
    return 6 * s - 2;
}
constexpr int time(int s) {
    return 6 * s - 1;
}
constexpr int cost(int s) {
    return 6 * s;
}
constexpr int effect(int s) {
    return 6 * s + 1;
}
constexpr bool isEffectColumn(int c) {
    return c == 7 || c == 13 || c == 19 || c == 25;
}
// Slot 1..4 of an effect column, 0 for any other column.
constexpr int effectSlot(int c) {
    return isEffectColumn(c) ? (c - 1) / 6 : 0;
}
} // namespace GridColumn

struct GridMarker {
    bool on = false;
    std::int32_t effect = 0;
};

// Fixed colours of markers 1..4 (red, lime, aqua, yellow), red in the low byte.
ColorCode gridMarkerColor(int marker);

struct GridState {
    std::vector<std::int32_t> GridRowOrder; // grid row -> ingredient; [0] = 0
    std::int32_t GridSortCode = 0;          // 0 none, +c ascending, -c descending
    std::int32_t GridFindCol = 1;
    std::array<GridMarker, kGridMarkerCount> GridMarkers{}; // markers 1..4

    int rowCount() const { return static_cast<int>(GridRowOrder.size()); }
    // Ingredient shown on a grid row; -1 outside the rows.
    int itemAtRow(int row) const;
    // Grid row showing an ingredient; -1 when none does.
    int rowOfItem(int item) const;
};

// Makes GridRowOrder the identity over the ingredient records.
void resetGridRowOrder(const GameData &data, GridState &grid);
// Reorders GridRowOrder by GridSortCode (see the column keys); any code
// outside ±1..±29 leaves it unchanged. The second-name order uses the
// default locale's case-insensitive collation. The strength, duration and
// price columns come from strengths (computed from data).
void SortGrid(const GameData &data, const EffectStrengths &strengths, GridState &grid);
// Numeric sort key of an ingredient for columns 1..28.
std::int32_t gridSortKey(const GameData &data, const EffectStrengths &strengths, int item, int column);
// A stored find column of 0 or above 29 becomes 1.
int normalizeGridFindCol(int column);

// Caption (row 0 text) of columns 1..29; empty otherwise.
QString gridColumnCaption(int column);
// Cell text of column 1..29 on a grid row; row 0 gives the caption; a row
// outside the grid or a column outside 1..29 gives the empty text.
// decimalPoint replaces "." in the weight.
QString GetGridData(const GameData &data, const EffectStrengths &strengths, const GridState &grid, int column,
                    int row, const QString &decimalPoint = QStringLiteral("."));

// Element under a cell: result -1 for a row below 1 (or beyond the grid);
// otherwise item is the row's ingredient and the result is that ingredient
// in mode 0 on column 1, the slot's effect in mode 1 on an effect column,
// else -1.
struct GridElement {
    int result = -1;
    int item = -1;
};
GridElement GetGridDataNum(const GameData &data, const GridState &grid, int mode, int column, int row);

// New GridSortCode after a header click on a column (1..29; others keep it).
int gridHeaderClickSortCode(int currentCode, int column);
// A left release counts as a header click only inside the pressed cell, when
// that cell is in row 0 and not in column 0.
bool gridHeaderClickCounts(int pressColumn, int pressRow, int releaseColumn, int releaseRow);
// The header click: new sort code, sort, and the row that now shows the
// ingredient of currentRow (the new current row; currentRow itself when it
// showed no ingredient). The first visible row stays where it was.
int applyGridHeaderClick(const GameData &data, const EffectStrengths &strengths, GridState &grid, int column,
                         int currentRow);

// Where ShowItemInGrid moves: the target cell and the first visible row.
struct GridTarget {
    int row = 0;
    int column = 0;
    int topRow = 1;
};
// value is a row (byRow), an ingredient (mode 0) or an effect (mode 1);
// nothing (nullopt) for another mode or when no row matches. topRow is the
// current first visible data row; visible rows = clientHeight div rowHeight.
std::optional<GridTarget> ShowItemInGrid(const GameData &data, const GridState &grid, int value, int mode,
                                         bool byRow, int topRow, int clientHeight, int defaultRowHeight);
// New first visible row after scrolling by delta rows.
int ScrollGrid(int topRow, int delta, int rowCount, int clientHeight, int headerRowHeight,
               int defaultRowHeight);

// Index 0..3 of the first switched-on marker whose effect is the effect in
// the slot of an effect column on a data row; -1 when none applies.
int gridMarkerAt(const GameData &data, const GridState &grid, int column, int row);
// Markers 1..4 on, taking the ingredient's slot effects 1..4.
void setAllGridMarkers(const GameData &data, GridState &grid, int item);
void disableGridMarkers(GridState &grid);

// Enabling of the grid popup for the cell under the click point.
struct GridPopupState {
    bool effectCommands = false; // the four marker items and the count item
    bool setAllMarkers = false;
};
GridPopupState gridPopupState(const GameData &data, const GridState &grid, int column, int row);

// Number of ingredients with the effect in one of their four slots.
int countItemsWithEffect(const GameData &data, int effect);
// "Кол-во ингредиентов с эффектом \"name\": N" followed by eight blanks.
QString countItemsWithEffectMessage(const QString &effectName, int count);

} // namespace qor
