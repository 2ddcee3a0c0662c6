#include "input/wheel_step.h"

#include <algorithm>
#include <cstdint>

namespace qor {

int wheelStep(int delta, KeyModifiers modifiers) {
    if (delta == 0)
        return 0;
    int step = delta < 0 ? 1 : -1;
    if (modifiers.alt)
        step *= 10;
    if (modifiers.ctrl)
        step *= 10;
    if (modifiers.shift)
        step *= 3;
    return step;
}

int wheelMovedIndex(int index, int step, int count) {
    if (count <= 0)
        return index;
    const std::int64_t moved = std::int64_t(index) + step;
    return int(std::clamp<std::int64_t>(moved, 0, count - 1));
}

int wheelScrollPosition(int position, int smallChange, int step, int maximum) {
    const std::int64_t moved = std::int64_t(position) + std::int64_t(smallChange) * step;
    return int(std::clamp<std::int64_t>(moved, 0, std::max(maximum, 0)));
}

} // namespace qor
