// The chances of every maze the walk digs in a tiny maze, worked out from its
// rules rather than drawn: at a cell with allowed moves each has the same
// chance; at a dead end it jumps to any passage with the same chance, and
// again from a dead end, noting the row of each dead end of column W - 1.
#pragma once

#include <cstdint>
#include <map>
#include <utility>

// A maze as its passages, bit y (W + 1) + x for cell (x, y), and its goal row.
using TinyMaze = std::pair<std::uint64_t, int>;

// For (W + 1) (H + 1) <= 64, and a goal row that starts at `goalY`.
std::map<TinyMaze, double> literalWalkChances(int W, int H, int digLimit, int goalY);
