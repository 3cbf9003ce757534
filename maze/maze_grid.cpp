#include "maze/maze_grid.h"

#include <algorithm>

void MazeGrid::clear()
{
    // Column 1000 and row 1000 are never cleared.
    for (int y = 0; y < kCleared; ++y) {
        auto row = cells_.begin() + static_cast<std::ptrdiff_t>(index(0, y));
        std::fill(row, row + kCleared, std::int16_t {0});
    }
}
