#include "maze/maze_grid.h"

#include <algorithm>

void MazeGrid::clear()
{
    // Column 1000 and row 1000 are never cleared; the rest are, as far as
    // anything has been written.
    const int columns = std::min(writtenColumns_, kCleared);
    const int rows = std::min(writtenRows_, kCleared);
    for (int y = 0; y < rows; ++y) {
        auto row = cells_.begin() + static_cast<std::ptrdiff_t>(index(0, y));
        std::fill(row, row + columns, std::int16_t {0});
    }
    writtenColumns_ = 0;
    writtenRows_ = 0;
}
