#pragma once
// A window rectangle in screen pixels, as Main.ini keeps it: its left and top
// edges and the edges one past its right and bottom.

#include <cstdint>

namespace qor {

struct WindowBounds {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const WindowBounds &, const WindowBounds &) = default;
};

} // namespace qor
