// The movement rule of the play tick: one cell per held arrow key, tried in
// the order up, left, right, down, onto passage cells only.
#pragma once

#include "maze/maze_grid.h"

#include <cstdint>

struct HeldKeys {
    std::int16_t up = 0;
    std::int16_t left = 0;
    std::int16_t right = 0;
    std::int16_t down = 0;
};

// Moves (x, y) by the held keys; a flag counts only when it is -1. Each move
// is tested from the position the earlier moves of the same tick left.
void movePlayer(const MazeGrid& maze, const HeldKeys& keys, std::int16_t& x, std::int16_t& y);
