// The random walk that digs a maze into the grid, and the dig rule it obeys.
#pragma once

#include "maze/maze_grid.h"

#include <cstdint>

class RandomSource;

// The largest maze the grid and the 16-bit counters can serve.
constexpr int kLargestSide = 999;
constexpr int kLargestCellCount = 32767;

// -1 when at least one of the four moves from (x, y) is allowed by the dig
// rule in a W x H maze, 0 when none is.
std::int16_t Can_Dig(const MazeGrid& maze, std::int16_t W, std::int16_t H, std::int16_t x, std::int16_t y);

struct DigOutcome {
    std::int16_t startX = 1;
    std::int16_t startY = 1;
};

// Clears the grid and digs a new maze with exactly digLimit allowed moves.
// goalY is set to the row of the last dead end met in column W - 1, and left
// as it was when the walk meets none. The caller has reseeded `random`.
// Needs 3 <= W <= 999, 3 <= H <= 999 and 1 <= digLimit <= W x H.
DigOutcome digMaze(MazeGrid& maze, std::int16_t W, std::int16_t H, std::int16_t digLimit,
                   RandomSource& random, std::int16_t& goalY);
