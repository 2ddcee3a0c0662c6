#include "settings/stored_geometry.h"

#include "settings/settings_block.h"

#include <algorithm>

namespace qor {

int storedPixelSize(std::int32_t value, int minimum) {
    minimum = std::clamp(minimum, 0, kMaxPixelSize);
    return std::clamp<std::int32_t>(value, minimum, kMaxPixelSize);
}

QList<int> splitterSizesFromStored(std::span<const std::int32_t> stored, int total, int handleWidth) {
    QList<int> sizes;
    sizes.reserve(static_cast<qsizetype>(stored.size()) + 1);
    std::int64_t used = 0;
    for (const std::int32_t v : stored) {
        const int size = storedPixelSize(v, 1);
        sizes << size;
        used += size;
    }
    const std::int64_t handles = static_cast<std::int64_t>(stored.size()) * std::max(0, handleWidth);
    const std::int64_t rest = std::int64_t{total} - used - handles;
    sizes << static_cast<int>(std::clamp<std::int64_t>(rest, 1, kMaxPixelSize));
    return sizes;
}

QRect centredWindowRect(const QSize &wanted, const QRect &available) {
    // Without a window manager that maximises, a window larger than the
    // screen would hide its right or bottom edge.
    const QSize size = available.isEmpty() ? wanted : wanted.boundedTo(available.size());
    const int x = std::max(available.left(), available.left() + (available.width() - size.width()) / 2);
    const int y = std::max(available.top(), available.top() + (available.height() - size.height()) / 2);
    return {QPoint(x, y), size};
}

QRect frameOnArea(const QRect &geometry, const QMargins &frame, const QRect &available) {
    const QRect area = available.marginsRemoved(frame);
    if (area.isEmpty())
        return geometry;
    QRect inside(geometry.topLeft(), geometry.size().boundedTo(area.size()));
    inside.moveLeft(std::clamp(inside.left(), area.left(), area.right() + 1 - inside.width()));
    inside.moveTop(std::clamp(inside.top(), area.top(), area.bottom() + 1 - inside.height()));
    return inside;
}

QSize minimumInside(const QSize &wanted, const QMargins &frame, const QSize &available) {
    const QSize room(available.width() - frame.left() - frame.right(),
                     available.height() - frame.top() - frame.bottom());
    return wanted.boundedTo(room).expandedTo(QSize(1, 1));
}

} // namespace qor
