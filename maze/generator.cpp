#include "maze/generator.h"

#include "common/random_source.h"

#include <cmath>

namespace {

enum Direction { kLeft = 1, kUp = 2, kRight = 3, kDown = 4 };

enum class Move { OutOfRange, Blocked, Allowed };

// The three side neighbours of the target other than the walker's own cell
// must all be wall for a move to be allowed.
Move judge(const MazeGrid& m, int W, int H, int x, int y, int d)
{
    switch (d) {
    case kLeft:
        if (!(x - 1 > 0))
            return Move::OutOfRange;
        return (m(x - 2, y) || m(x - 1, y - 1) || m(x - 1, y + 1)) ? Move::Blocked : Move::Allowed;
    case kUp:
        if (!(y - 1 > 0))
            return Move::OutOfRange;
        return (m(x - 1, y - 1) || m(x, y - 2) || m(x + 1, y - 1)) ? Move::Blocked : Move::Allowed;
    case kRight:
        if (!(x + 1 < W))
            return Move::OutOfRange;
        return (m(x + 2, y) || m(x + 1, y - 1) || m(x + 1, y + 1)) ? Move::Blocked : Move::Allowed;
    default:
        if (!(y + 1 < H))
            return Move::OutOfRange;
        return (m(x - 1, y + 1) || m(x, y + 2) || m(x + 1, y + 1)) ? Move::Blocked : Move::Allowed;
    }
}

int draw(RandomSource& random, int n)
{
    return static_cast<int>(std::floor(random.next() * n));
}

}  // namespace

std::int16_t Can_Dig(const MazeGrid& maze, std::int16_t W, std::int16_t H, std::int16_t x, std::int16_t y)
{
    int refused = 0;
    for (int d : {kLeft, kRight, kDown, kUp})
        if (judge(maze, W, H, x, y, d) != Move::Allowed)
            ++refused;
    return refused < 4 ? -1 : 0;
}

DigOutcome digMaze(MazeGrid& maze, std::int16_t W, std::int16_t H, std::int16_t digLimit,
                   RandomSource& random, std::int16_t& goalY)
{
    maze.clear();

    int x = 1;
    int y = 1;
    int steps = 0;
    for (;;) {
        const int d = draw(random, 4) + 1;
        const Move move = judge(maze, W, H, x, y, d);
        if (move == Move::Blocked) {
            if (Can_Dig(maze, W, H, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)))
                continue;
            // A dead end: remember it if it lies in the goal column, then jump
            // to a passage cell chosen uniformly.
            if (x == W - 1)
                goalY = static_cast<std::int16_t>(y);
            do {
                x = draw(random, W) + 1;
                y = draw(random, H) + 1;
            } while (maze(x, y) == 0);
            continue;
        }
        if (move == Move::Allowed) {
            switch (d) {
            case kLeft: --x; break;
            case kUp: --y; break;
            case kRight: ++x; break;
            default: ++y; break;
            }
            maze(x, y) = 1;
            ++steps;
        }
        if (steps >= digLimit)
            break;
    }

    DigOutcome out;
    if (maze(1, 1))
        out = {1, 1};
    else if (maze(2, 1))
        out = {2, 1};
    else if (maze(1, 2))
        out = {1, 2};
    return out;
}
