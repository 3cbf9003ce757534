#include "maze/generator.h"

#include "common/random_source.h"

#include <cstring>

namespace {

enum Direction { kLeft = 1, kUp = 2, kRight = 3, kDown = 4 };

enum class Move { OutOfRange, Blocked, Allowed };

// The three side neighbours of the target other than the walker's own cell
// must all be wall for a move to be allowed. `m(x, y)` reads a cell.
template <typename Cells>
Move judge(const Cells& m, int W, int H, int x, int y, int d)
{
    switch (d) {
    case kLeft:
        if (!(x - 1 > 0))
            return Move::OutOfRange;
        return (m(x - 2, y) | m(x - 1, y - 1) | m(x - 1, y + 1)) ? Move::Blocked : Move::Allowed;
    case kUp:
        if (!(y - 1 > 0))
            return Move::OutOfRange;
        return (m(x - 1, y - 1) | m(x, y - 2) | m(x + 1, y - 1)) ? Move::Blocked : Move::Allowed;
    case kRight:
        if (!(x + 1 < W))
            return Move::OutOfRange;
        return (m(x + 2, y) | m(x + 1, y - 1) | m(x + 1, y + 1)) ? Move::Blocked : Move::Allowed;
    default:
        if (!(y + 1 < H))
            return Move::OutOfRange;
        return (m(x - 1, y + 1) | m(x, y + 2) | m(x + 1, y + 1)) ? Move::Blocked : Move::Allowed;
    }
}

// floor(r x n): the product is never negative, so dropping the fraction is
// the floor, without a call to the library's floor for every number.
template <typename Random>
int draw(Random& random, int n)
{
    return static_cast<int>(random.next() * n);
}

// The walk reads its cells from a byte copy of columns 0..W and rows 0..H
// that fits the processor's nearest cache, and writes every dug cell to both.
class CompactCells {
public:
    CompactCells(std::uint8_t* bytes, int W, int H) : bytes_(bytes), stride_(W + 1)
    {
        std::memset(bytes_, 0, static_cast<std::size_t>(W + 1) * static_cast<std::size_t>(H + 1));
    }

    bool operator()(int x, int y) const { return bytes_[y * stride_ + x] != 0; }
    void dig(int x, int y) { bytes_[y * stride_ + x] = 1; }

private:
    std::uint8_t* bytes_;
    int stride_;
};

template <typename Random>
DigOutcome digWith(MazeGrid& maze, int W, int H, int digLimit, Random& random, std::int16_t& goalY)
{
    maze.clear();
    CompactCells cells(maze.scratch(), W, H);

    int x = 1;
    int y = 1;
    int steps = 0;
    // The four judgements of the walker's cell are made once per cell and
    // reused for every direction drawn there: they change only when the
    // walker moves or jumps.
    Move moves[5] {};
    bool anyAllowed = false;
    auto judgeHere = [&] {
        anyAllowed = false;
        for (int d = kLeft; d <= kDown; ++d) {
            moves[d] = judge(cells, W, H, x, y, d);
            anyAllowed = anyAllowed || moves[d] == Move::Allowed;
        }
    };
    judgeHere();
    for (;;) {
        if (!anyAllowed) {
            // Every direction drawn here is refused; the first one within
            // the grid makes this a dead end. Remember it if it lies in the
            // goal column, then jump to a passage cell chosen uniformly.
            while (moves[draw(random, 4) + 1] == Move::OutOfRange) {
            }
            if (x == W - 1)
                goalY = static_cast<std::int16_t>(y);
            do {
                x = draw(random, W) + 1;
                y = draw(random, H) + 1;
            } while (!cells(x, y));
            judgeHere();
            continue;
        }
        // Directions are drawn until an allowed one comes up; the refused
        // ones change nothing, so they are passed over in a tight loop.
        int d;
        do
            d = draw(random, 4) + 1;
        while (moves[d] != Move::Allowed);
        switch (d) {
        case kLeft: --x; break;
        case kUp: --y; break;
        case kRight: ++x; break;
        default: ++y; break;
        }
        cells.dig(x, y);
        maze(x, y) = 1;
        ++steps;
        if (steps >= digLimit)
            break;
        judgeHere();
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
    // Sizes the grid and the 16-bit counters cannot serve are not dug.
    if (W < 3 || H < 3 || W > kLargestSide || H > kLargestSide || W * H > kLargestCellCount || digLimit < 1
        || digLimit > W * H)
        return {};
    // The game's own source is drawn from without a virtual call per number:
    // a walk takes about eighteen numbers per dig step.
    if (auto* fast = dynamic_cast<FastRandom*>(&random))
        return digWith(maze, W, H, digLimit, *fast, goalY);
    return digWith(maze, W, H, digLimit, random, goalY);
}
