#include "common_ui/cell_hint_rules.h"

#include <algorithm>

namespace qor::hint {

namespace {

bool fits(int textWidth, int indent, int width) {
    // 64-bit: absurd column widths from a damaged settings file must not wrap.
    return static_cast<long long>(textWidth) + indent < width;
}

} // namespace

int rowTop(int y, int rowHeight) {
    if (rowHeight <= 0)
        return y;
    // Floor for rows above the origin too.
    const int mod = ((y % rowHeight) + rowHeight) % rowHeight;
    return y - mod;
}

int visibleCellWidth(int cellLeft, int cellWidth, int contentOffset, int visibleLeft, int visibleRight) {
    if (static_cast<long long>(cellLeft) + contentOffset < visibleLeft)
        return 0;
    const long long right = std::min(static_cast<long long>(cellLeft) + cellWidth, 0LL + visibleRight);
    return static_cast<int>(std::max(0LL, right - cellLeft));
}

int sectionStrictlyAt(int x, const int *widths, int count) {
    long long left = 0;
    for (int k = 0; k < count; ++k) {
        const long long right = left + widths[k];
        if (left < x && x < right)
            return k;
        left = right;
    }
    return -1;
}

Spot recipeCellHint(const RecipeCell &c) {
    const int w =
        visibleCellWidth(c.sectionLeft, c.sectionWidth, c.pictureWidth, c.visibleLeft, c.visibleRight);
    if (fits(c.textWidth, c.pictureWidth, w))
        return {};
    return {true, c.sectionLeft + c.pictureWidth - 1, rowTop(c.y, c.rowHeight)};
}

Spot gridCellHint(const GridCell &c) {
    const int w = visibleCellWidth(c.left, c.width, 0, 0, c.visibleWidth);
    if (fits(c.textWidth, 0, w))
        return {};
    return {true, c.left - 1, c.top};
}

Spot headerHint(const HeaderSection &s) {
    const int w = visibleCellWidth(s.sectionLeft, s.sectionWidth, 0, s.visibleLeft, s.visibleRight);
    if (fits(s.textWidth, s.markWidth + 4, w))
        return {};
    return {true, s.sectionLeft, s.headerHeight + 5};
}

Spot gridHeaderHint(const HeaderSection &s) {
    const int w = visibleCellWidth(s.sectionLeft, s.sectionWidth, 0, s.visibleLeft, s.visibleRight);
    if (fits(s.textWidth, s.markWidth, w))
        return {};
    return {true, s.sectionLeft - 1, s.headerHeight + 5};
}

Spot effectCellHint(const EffectCell &c) {
    const int w = visibleCellWidth(c.sectionLeft, c.sectionWidth, 0, 0, c.clientWidth);
    if (fits(c.textWidth, 0, w))
        return {};
    return {true, c.sectionLeft - 1, rowTop(c.y, c.rowHeight)};
}

Spot listRowHint(const ListRow &r) {
    if (fits(r.textWidth, r.indent, r.clientWidth))
        return {};
    return {true, r.indent - 1, rowTop(r.y, r.rowHeight)};
}

Spot chooserHint(const ChooserText &c) {
    if (fits(c.textWidth, c.indent, c.fieldWidth))
        return {};
    return {true, 0, c.height + 2};
}

} // namespace qor::hint
