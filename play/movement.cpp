#include "play/movement.h"

namespace {

constexpr std::int16_t kHeld = -1;

bool open(const MazeGrid& maze, int x, int y)
{
    return maze.at(x, y) != 0;
}

}  // namespace

void movePlayer(const MazeGrid& maze, const HeldKeys& keys, std::int16_t& x, std::int16_t& y)
{
    // Up and left are refused at row and column 0 before the grid is read;
    // right and down rely on the wall frame, and the grid reports a wall
    // beyond its last index.
    if (keys.up == kHeld && y != 0 && open(maze, x, y - 1))
        --y;
    if (keys.left == kHeld && x != 0 && open(maze, x - 1, y))
        --x;
    if (keys.right == kHeld && open(maze, x + 1, y))
        ++x;
    if (keys.down == kHeld && open(maze, x, y + 1))
        ++y;
}
