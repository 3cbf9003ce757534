#include "maze/maze_grid.h"

#include <algorithm>

void MazeGrid::clear()
{
    // Rows 0..999 each lose their first 1000 cells; column 1000 and row 1000
    // are never written and stay wall.
    for (int y = 0; y < kCleared; ++y) {
        auto row = cells_.begin() + static_cast<std::ptrdiff_t>(index(0, y));
        std::fill(row, row + kCleared, std::int16_t {0});
    }
}
