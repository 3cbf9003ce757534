#include "maze/generator.h"

#include "common/random_source.h"

#include <vector>

namespace {

// The four moves, in the order left, up, right, down.
constexpr int kStepX[4] = {-1, 0, 1, 0};
constexpr int kStepY[4] = {0, -1, 0, 1};

// The cells as the walk reads them: a byte for each cell of columns 0..W and
// rows 0..H, 1 for a passage, plus 2 on the frame (column 0 or W, row 0 or
// H), and a ring of wall round them for the reads two cells out from the
// frame's inner edge. A move passes the range test exactly when its target
// is not on the frame, so the dig rule is four reads and no branch, on a copy
// small enough for the processor's nearest cache.
class WalkCells {
public:
    WalkCells(int W, int H) : stride_(W + 3), bytes_(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(H + 3))
    {
        for (int y = 0; y <= H; ++y)
            for (int x = 0; x <= W; ++x)
                bytes_[index(x, y)] = x == 0 || y == 0 || x == W || y == H ? kFrame : 0;
        for (int d = 0; d < 4; ++d) {
            step_[d] = kStepX[d] + kStepY[d] * stride_;
            side_[d] = kStepY[d] + kStepX[d] * stride_;
        }
    }

    // The dig rule for move d from (x, y), a cell within the frame: the
    // target is off the frame, and its three side neighbours other than
    // (x, y) are all wall. The target itself may be a passage: stepping back
    // onto a dead end hanging off (x, y) is allowed.
    bool allowed(int x, int y, int d) const
    {
        const std::ptrdiff_t step = step_[d];
        const std::ptrdiff_t side = side_[d];
        const std::uint8_t* target = &bytes_[index(x, y)] + step;
        return ((target[0] & kFrame) | ((target[step] | target[side] | target[-side]) & kPassage)) == 0;
    }

    void dig(int x, int y) { bytes_[index(x, y)] |= kPassage; }

private:
    static constexpr int kPassage = 1;
    static constexpr int kFrame = 2;

    std::size_t index(int x, int y) const { return static_cast<std::size_t>((y + 1) * stride_ + x + 1); }

    int stride_;
    std::vector<std::uint8_t> bytes_;
    // Where the target of each move, and the cells beside it, lie from a
    // cell's byte.
    std::ptrdiff_t step_[4] {};
    std::ptrdiff_t side_[4] {};
};

// floor(r x n): the product is never negative, so dropping the fraction is
// the floor.
int draw(RandomSource& random, std::size_t n)
{
    return static_cast<int>(random.next() * static_cast<double>(n));
}

struct Cell { int x, y; };

DigOutcome startCell(const MazeGrid& maze)
{
    for (const Cell c : {Cell {1, 1}, Cell {2, 1}, Cell {1, 2}})
        if (maze(c.x, c.y))
            return {static_cast<std::int16_t>(c.x), static_cast<std::int16_t>(c.y)};
    return {};
}

// At each cell the walk takes one of the allowed moves, each with the same
// chance; at a dead end, where none is allowed, it jumps to a passage chosen
// with the same chance among all of them, and jumps again from a dead end.
// A dead end outside column W - 1 that a jump lands on is dropped from the
// list: it never gets an allowed move again, so landing there once more
// would only lead to another jump. One number is drawn a step or a jump.
DigOutcome digWith(MazeGrid& maze, int W, int H, int digLimit, RandomSource& random, std::int16_t& goalY)
{
    constexpr std::size_t kWalked = ~std::size_t {0};
    maze.clear();
    WalkCells cells(W, H);
    std::vector<Cell> passages;  // passage cells, each at most once
    passages.reserve(static_cast<std::size_t>(digLimit));
    Cell at {1, 1};
    std::size_t landed = kWalked;  // where in `passages` a jump landed
    for (int steps = 0; steps < digLimit;) {
        int open[4];
        int count = 0;
        for (int d = 0; d < 4; ++d) {
            open[count] = d;
            count += cells.allowed(at.x, at.y, d);
        }
        if (count == 0) {
            if (at.x == W - 1)
                goalY = static_cast<std::int16_t>(at.y);
            else if (landed != kWalked) {
                passages[landed] = passages.back();
                passages.pop_back();
            }
            landed = static_cast<std::size_t>(draw(random, passages.size()));
            at = passages[landed];
            continue;
        }
        const int d = open[draw(random, static_cast<std::size_t>(count))];
        at = {at.x + kStepX[d], at.y + kStepY[d]};
        landed = kWalked;
        std::int16_t& cell = maze(at.x, at.y);
        if (cell == 0)
            passages.push_back(at);
        cell = 1;
        cells.dig(at.x, at.y);
        ++steps;
    }
    return startCell(maze);
}

}  // namespace

std::int16_t Can_Dig(const MazeGrid& maze, std::int16_t W, std::int16_t H, std::int16_t x, std::int16_t y)
{
    // A move is allowed when its target lies off the frame and the target's
    // side neighbours other than (x, y) are all wall.
    for (int d = 0; d < 4; ++d) {
        const int dx = kStepX[d];
        const int dy = kStepY[d];
        const int tx = x + dx;
        const int ty = y + dy;
        if (tx > 0 && ty > 0 && tx < W && ty < H
            && (maze.at(tx + dx, ty + dy) | maze.at(tx + dy, ty + dx) | maze.at(tx - dy, ty - dx)) == 0)
            return -1;
    }
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
