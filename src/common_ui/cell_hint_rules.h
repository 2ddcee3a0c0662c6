#pragma once
// When a cell's text counts as cut off and where the hint that shows it
// whole goes. Pure geometry on widths measured by the caller: every position
// here is in the coordinates of the control the mouse is over, and the
// caller maps it to the screen. A text that fits gives no hint.

namespace qor::hint {

// Where a hint goes; show is false when the text fits (the hint hides).
struct Spot {
    bool show = false;
    int x = 0;
    int y = 0;

    friend bool operator==(const Spot &, const Spot &) = default;
};

// Top of the uniform row that holds y.
int rowTop(int y, int rowHeight);

// The width of a cell that the user sees inside a visible band
// [visibleLeft, visibleRight): the cell cut at the band's right edge, and 0
// when the cell's content (cell left + contentOffset) starts left of the
// band, so that a cell scrolled partly out to the left always counts as cut.
int visibleCellWidth(int cellLeft, int cellWidth, int contentOffset, int visibleLeft, int visibleRight);

// The section under x with left < x < left + width (borders belong to no
// section); -1 when none. widths are the sections from x = 0 on.
int sectionStrictlyAt(int x, const int *widths, int count);

// A cell of the recipe list. Coordinates are the list's own; the visible
// band is the part of the recipe region the list shows (the region slides
// the wide list under its scroll bar).
struct RecipeCell {
    int textWidth = 0;
    int sectionLeft = 0;
    int sectionWidth = 0;
    int pictureWidth = 0; // the row height for ingredient columns, else 0
    int visibleLeft = 0;
    int visibleRight = 0;
    int y = 0;
    int rowHeight = 1;
};
// Over the cell, right of its picture.
Spot recipeCellHint(const RecipeCell &cell);

// A cell of the reference table, in viewport coordinates.
struct GridCell {
    int textWidth = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int visibleWidth = 0; // the viewport's width
};
Spot gridCellHint(const GridCell &cell);

// A header section: the recipe list's, the recipe effects' or the table's.
// markWidth is the sort mark with its gap when the section carries it.
struct HeaderSection {
    int textWidth = 0;
    int sectionLeft = 0;
    int sectionWidth = 0;
    int markWidth = 0;
    int visibleLeft = 0;
    int visibleRight = 0;
    int headerHeight = 0;
};
// Below the header row, 5 pixels clear of it.
Spot headerHint(const HeaderSection &section);
// The table's header row: fits like its data cells (the sort mark counts),
// the hint below the row as for the other headers.
Spot gridHeaderHint(const HeaderSection &section);

// A cell of the recipe effect list: the section cut to the list's width.
struct EffectCell {
    int textWidth = 0;
    int sectionLeft = 0;
    int sectionWidth = 0;
    int clientWidth = 0;
    int y = 0;
    int rowHeight = 1;
};
Spot effectCellHint(const EffectCell &cell);

// A row of a one-column list whose text starts indent pixels in (the
// recipe ingredients leave the picture's square, the help list nothing).
struct ListRow {
    int textWidth = 0;
    int indent = 0;
    int clientWidth = 0;
    int y = 0;
    int rowHeight = 1;
};
Spot listRowHint(const ListRow &row);

// The current item of a closed chooser: indent is where its text starts in
// the edit field, fieldWidth the field's width. The hint goes just below.
struct ChooserText {
    int textWidth = 0;
    int indent = 0;
    int fieldWidth = 0;
    int height = 0;
};
Spot chooserHint(const ChooserText &chooser);

} // namespace qor::hint
