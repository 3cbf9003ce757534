#include "maze/generator.h"

#include "common/random_source.h"

#include <array>
#include <vector>

namespace {

// The four moves, in the order left, up, right, down.
constexpr int kStepX[4] = {-1, 0, 1, 0};
constexpr int kStepY[4] = {0, -1, 0, 1};

// The cells as the walk knows them: a byte for each cell of columns 0..W and
// rows 0..H, and a ring round them, named by the byte's index, so that a
// move adds a fixed offset. Each byte holds which of the four moves the dig
// rule allows from the cell, whether the cell is a passage, and whether it
// lies in column W - 1, where the goal is looked for. The dig rule allows
// move d when its target is off the frame (columns 0 and W, rows 0 and H)
// and the target's three neighbours other than the cell itself are all
// wall; the target itself may be a passage (stepping back onto a dead end
// hanging off the cell is allowed). So a cell's allowed moves change only
// when one of those twelve cells round it is dug: digging a cell takes the
// move away from the twelve cells it blocks, and a step reads one byte. The
// grid is written once, from the bytes, when the walk is done.
class WalkCells {
public:
    WalkCells(int W, int H) : W_(W), H_(H), stride_(W + 3), bytes_(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(H + 3))
    {
        for (int y = 1; y < H; ++y)
            for (int x = 1; x < W; ++x) {
                std::uint8_t& byte = bytes_[static_cast<std::size_t>(at(x, y))];
                byte = x == W - 1 ? kGoalColumn : 0;
                for (int d = 0; d < 4; ++d) {
                    const int tx = x + kStepX[d];
                    const int ty = y + kStepY[d];
                    if (tx > 0 && ty > 0 && tx < W && ty < H)
                        byte |= static_cast<std::uint8_t>(1 << d);
                }
            }
        for (int d = 0; d < 4; ++d) {
            const int step = kStepX[d] + kStepY[d] * stride_;
            const int side = kStepY[d] + kStepX[d] * stride_;
            blocked_[d] = {-2 * step, -step - side, -step + side};
            for (unsigned set = 0; set < moves_.size(); ++set)
                if (set & (1u << d))
                    moves_[set].step[moves_[set].count++] = step;
        }
    }

    // The moves the dig rule allows from a cell: how many, and where each
    // leads, in the order left, up, right, down.
    struct Moves {
        int count;
        int step[4];
    };

    int at(int x, int y) const { return (y + 1) * stride_ + x + 1; }
    int row(int cell) const { return cell / stride_ - 1; }
    bool inGoalColumn(int cell) const { return byte(cell) & kGoalColumn; }
    const Moves& allowedMoves(int cell) const { return moves_[byte(cell) & kMoves]; }

    // Marks the cell a passage; true when it was a wall.
    bool dig(int cell)
    {
        if (byte(cell) & kPassage)
            return false;
        bytes_[static_cast<std::size_t>(cell)] |= kPassage;
        for (int d = 0; d < 4; ++d)
            for (const int from : blocked_[d])
                bytes_[static_cast<std::size_t>(cell + from)] &= static_cast<std::uint8_t>(~(1 << d));
        return true;
    }

    // Writes the passages into the cleared grid.
    void copyTo(MazeGrid& maze) const
    {
        for (int y = 0; y <= H_; ++y)
            for (int x = 0; x <= W_; ++x)
                maze(x, y) = (byte(at(x, y)) & kPassage) != 0;
    }

private:
    static constexpr std::uint8_t kMoves = 15;
    static constexpr std::uint8_t kPassage = 16;
    static constexpr std::uint8_t kGoalColumn = 32;

    std::uint8_t byte(int cell) const { return bytes_[static_cast<std::size_t>(cell)]; }

    int W_, H_;
    int stride_;
    std::vector<std::uint8_t> bytes_;
    // For each set of allowed moves (bit d for move d), the moves.
    std::array<Moves, 16> moves_ {};
    // For each move, the offsets of the cells a dug cell takes it from.
    std::array<int, 3> blocked_[4] {};
};

// floor(r x n): the product is never negative, so dropping the fraction is
// the floor.
int draw(RandomSource& random, std::size_t n)
{
    return static_cast<int>(random.next() * static_cast<double>(n));
}

// The same from the game's own source, in whole numbers: r is bits / 2^32,
// and bits x n lies below 2^53 (n is at most 32767), so the double above
// holds it exactly and drops the same fraction.
int draw(FastRandom& random, std::size_t n)
{
    return static_cast<int>(std::uint64_t {random.nextBits()} * n >> 32);
}

DigOutcome startCell(const MazeGrid& maze)
{
    struct Cell { int x, y; };
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
// `Random` is the game's own source where it is one, so that its numbers are
// made in line and in whole numbers.
template <class Random>
DigOutcome digWith(MazeGrid& maze, int W, int H, int digLimit, Random& random, std::int16_t& goalY)
{
    constexpr std::size_t kWalked = ~std::size_t {0};
    WalkCells cells(W, H);
    std::vector<int> passages;  // passage cells, each at most once
    passages.reserve(static_cast<std::size_t>(digLimit));
    int at = cells.at(1, 1);
    std::size_t landed = kWalked;  // where in `passages` a jump landed
    for (int steps = 0; steps < digLimit;) {
        const WalkCells::Moves& moves = cells.allowedMoves(at);
        if (moves.count == 0) {
            if (cells.inGoalColumn(at))
                goalY = static_cast<std::int16_t>(cells.row(at));
            else if (landed != kWalked) {
                passages[landed] = passages.back();
                passages.pop_back();
            }
            landed = static_cast<std::size_t>(draw(random, passages.size()));
            at = passages[landed];
            continue;
        }
        at += moves.step[draw(random, static_cast<std::size_t>(moves.count))];
        landed = kWalked;
        if (cells.dig(at))
            passages.push_back(at);
        ++steps;
    }
    maze.clear();
    cells.copyTo(maze);
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
    if (auto* fast = dynamic_cast<FastRandom*>(&random))
        return digWith(maze, W, H, digLimit, *fast, goalY);
    return digWith(maze, W, H, digLimit, random, goalY);
}
