#pragma once
// Sizes read from Main.ini, made safe to hand to widgets: a damaged file may
// hold any int32, and sums of such values overflow.

#include <QList>
#include <QMargins>
#include <QRect>

#include <cstdint>
#include <span>

namespace qor {

// A stored width or height pulled into minimum..kMaxPixelSize.
int storedPixelSize(std::int32_t value, int minimum = 0);

// The sizes of a splitter whose leading parts take stored sizes (each at
// least 1 pixel) and whose last part takes what remains of total after them
// and the handles (at least 1 pixel). No sum overflows for any input.
QList<int> splitterSizesFromStored(std::span<const std::int32_t> stored, int total, int handleWidth);

// The window's first geometry: the given size, cut down to the screen's
// available area, centred in that area.
QRect centredWindowRect(const QSize &wanted, const QRect &available);

// A window's inside (geometry) moved, and made smaller where it must, so that
// its frame, with the title bar, lies on the available area. frame holds the
// frame's extent on each side.
QRect frameOnArea(const QRect &geometry, const QMargins &frame, const QRect &available);

// The smallest inside the window may take: wanted, less what the frame needs
// where the screen's available area is smaller than wanted plus the frame.
QSize minimumInside(const QSize &wanted, const QMargins &frame, const QSize &available);

} // namespace qor
