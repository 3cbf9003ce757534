#include "maze/generator.h"

#include "common/random_source.h"

#include <vector>

namespace {

// The four moves, in the order left, up, right, down.
constexpr int kStepX[4] = {-1, 0, 1, 0};
constexpr int kStepY[4] = {0, -1, 0, 1};

// The dig rule for move d from (x, y): the target must pass the range test
// along the move, and its three side neighbours other than the walker's own
// cell must all be wall. The target itself is not looked at, so stepping
// back onto a dead end hanging off the walker's cell is allowed.
template <typename Read>
bool allowed(const Read& cell, int W, int H, int x, int y, int d)
{
    const int dx = kStepX[d];
    const int dy = kStepY[d];
    const int tx = x + dx;
    const int ty = y + dy;
    const bool inRange = dx != 0 ? tx > 0 && tx < W : ty > 0 && ty < H;
    return inRange && !(cell(tx + dx, ty + dy) | cell(tx + dy, ty + dx) | cell(tx - dy, ty - dx));
}

// floor(r x n): the product is never negative, so dropping the fraction is
// the floor.
int draw(RandomSource& random, std::size_t n)
{
    return static_cast<int>(random.next() * static_cast<double>(n));
}

struct Cell {
    int x;
    int y;
};

DigOutcome startCell(const MazeGrid& maze)
{
    for (const Cell c : {Cell {1, 1}, Cell {2, 1}, Cell {1, 2}})
        if (maze(c.x, c.y))
            return {static_cast<std::int16_t>(c.x), static_cast<std::int16_t>(c.y)};
    return {};
}

// At each cell the walk takes one of the allowed moves, each with the same
// chance; at a dead end, where none is allowed, it jumps to a passage chosen
// with the same chance among all of them. One number is drawn a step.
DigOutcome digWith(MazeGrid& maze, int W, int H, int digLimit, RandomSource& random, std::int16_t& goalY)
{
    maze.clear();
    const auto read = [&maze](int x, int y) { return maze(x, y); };
    std::vector<Cell> passages;  // every passage cell once, in the order dug
    passages.reserve(static_cast<std::size_t>(digLimit));
    Cell at {1, 1};
    for (int steps = 0; steps < digLimit;) {
        int open[4];
        int count = 0;
        for (int d = 0; d < 4; ++d)
            if (allowed(read, W, H, at.x, at.y, d))
                open[count++] = d;
        if (count == 0) {
            if (at.x == W - 1)
                goalY = static_cast<std::int16_t>(at.y);
            at = passages[static_cast<std::size_t>(draw(random, passages.size()))];
            continue;
        }
        const int d = open[draw(random, static_cast<std::size_t>(count))];
        at = {at.x + kStepX[d], at.y + kStepY[d]};
        std::int16_t& cell = maze(at.x, at.y);
        if (cell == 0)
            passages.push_back(at);
        cell = 1;
        ++steps;
    }
    return startCell(maze);
}

}  // namespace

std::int16_t Can_Dig(const MazeGrid& maze, std::int16_t W, std::int16_t H, std::int16_t x, std::int16_t y)
{
    const auto read = [&maze](int cx, int cy) { return maze.at(cx, cy); };
    for (int d = 0; d < 4; ++d)
        if (allowed(read, W, H, x, y, d))
            return -1;
    return 0;
}

DigOutcome digMaze(MazeGrid& maze, std::int16_t W, std::int16_t H, std::int16_t digLimit,
                   RandomSource& random, std::int16_t& goalY)
{
    // Sizes the grid and the 16-bit counters cannot serve are not dug.
    if (W < 3 || H < 3 || W > kLargestSide || H > kLargestSide || W * H > kLargestCellCount || digLimit < 1
        || digLimit > W * H)
        return {};
    return digWith(maze, W, H, digLimit, random, goalY);
}
