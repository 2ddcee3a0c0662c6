#pragma once
// The sort mark both list headers draw beside the caption of the sorted
// column.

#include <QImage>

namespace qor {

// 10 × 7 sort marks: a black triangle pointing up (ascending) or down,
// base two rows high, transparent background and bottom row.
QImage makeSortMark(bool ascending);

} // namespace qor
