#include "support/literal_walk.h"

#include "common/random_source.h"

#include <cmath>
#include <utility>

namespace {

enum class Move { OutOfRange, Blocked, Allowed };

// The dig rule for direction d: 1 left, 2 up, 3 right, 4 down.
Move judge(const MazeGrid& m, int W, int H, int x, int y, int d)
{
    switch (d) {
    case 1:
        if (!(x - 1 > 0))
            return Move::OutOfRange;
        return (m(x - 2, y) | m(x - 1, y - 1) | m(x - 1, y + 1)) ? Move::Blocked : Move::Allowed;
    case 2:
        if (!(y - 1 > 0))
            return Move::OutOfRange;
        return (m(x - 1, y - 1) | m(x, y - 2) | m(x + 1, y - 1)) ? Move::Blocked : Move::Allowed;
    case 3:
        if (!(x + 1 < W))
            return Move::OutOfRange;
        return (m(x + 2, y) | m(x + 1, y - 1) | m(x + 1, y + 1)) ? Move::Blocked : Move::Allowed;
    default:
        if (!(y + 1 < H))
            return Move::OutOfRange;
        return (m(x - 1, y + 1) | m(x, y + 2) | m(x + 1, y + 1)) ? Move::Blocked : Move::Allowed;
    }
}

bool anyAllowed(const MazeGrid& m, int W, int H, int x, int y)
{
    for (int d : {1, 3, 4, 2})
        if (judge(m, W, H, x, y, d) == Move::Allowed)
            return true;
    return false;
}

int floorOf(double v) { return static_cast<int>(std::floor(v)); }

}  // namespace

DigOutcome literalWalk(MazeGrid& maze, std::int16_t W, std::int16_t H, std::int16_t digLimit, RandomSource& random,
                       std::int16_t& goalY)
{
    maze.clear();
    int x = 1;
    int y = 1;
    for (int steps = 0; steps < digLimit;) {
        const int d = floorOf(4 * random.next()) + 1;
        const Move move = judge(maze, W, H, x, y, d);
        if (move == Move::Blocked && !anyAllowed(maze, W, H, x, y)) {
            if (x == W - 1)
                goalY = static_cast<std::int16_t>(y);
            do {
                x = floorOf(random.next() * W) + 1;
                y = floorOf(random.next() * H) + 1;
            } while (maze(x, y) == 0);
        }
        if (move != Move::Allowed)
            continue;
        x += d == 1 ? -1 : d == 3 ? 1 : 0;
        y += d == 2 ? -1 : d == 4 ? 1 : 0;
        maze(x, y) = 1;
        ++steps;
    }
    for (const auto& [sx, sy] : {std::pair {1, 1}, std::pair {2, 1}, std::pair {1, 2}})
        if (maze(sx, sy))
            return {static_cast<std::int16_t>(sx), static_cast<std::int16_t>(sy)};
    return {};
}
