#include "support/literal_walk.h"

#include "common/random_source.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

enum class Move { OutOfRange, Blocked, Allowed };

// The dig rule for direction d (1 left, 2 up, 3 right, 4 down): the target
// must lie off the frame, and its side neighbours other than (x, y) must be
// wall.
Move judge(const MazeGrid& m, int W, int H, int x, int y, int d)
{
    constexpr int kDx[] = {-1, 0, 1, 0};
    constexpr int kDy[] = {0, -1, 0, 1};
    const int dx = kDx[d - 1];
    const int dy = kDy[d - 1];
    const int tx = x + dx;
    const int ty = y + dy;
    if (tx < 1 || ty < 1 || tx >= W || ty >= H)
        return Move::OutOfRange;
    return (m(tx + dx, ty + dy) | m(tx + dy, ty + dx) | m(tx - dy, ty - dx)) ? Move::Blocked : Move::Allowed;
}

int floorOf(double v) { return static_cast<int>(std::floor(v)); }

}  // namespace

DigOutcome literalWalk(MazeGrid& maze, std::int16_t W, std::int16_t H, std::int16_t digLimit, RandomSource& random,
                       std::int16_t& goalY)
{
    for (int row = 0; row <= H; ++row)  // all the walk reads: small mazes come fast
        std::fill_n(&maze(0, row), W + 1, std::int16_t {0});
    int x = 1;
    int y = 1;
    for (int steps = 0; steps < digLimit;) {
        const int d = floorOf(4 * random.next()) + 1;
        const Move move = judge(maze, W, H, x, y, d);
        if (move == Move::Blocked && Can_Dig(maze, W, H, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)) == 0) {
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
