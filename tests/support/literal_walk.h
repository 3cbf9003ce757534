// The walk drawn direction by direction, as the game's generator must match
// it in chances: a direction is drawn until one is allowed, and a dead end
// jumps by drawing cells until one is a passage.
#pragma once

#include "maze/generator.h"

// Takes the same arguments as digMaze and keeps the same rules, but clears only columns 0..W and rows 0..H.
DigOutcome literalWalk(MazeGrid& maze, std::int16_t W, std::int16_t H, std::int16_t digLimit, RandomSource& random,
                       std::int16_t& goalY);
