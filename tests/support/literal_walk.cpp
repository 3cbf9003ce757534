#include "support/literal_walk.h"

#include <tuple>
#include <vector>

std::map<TinyMaze, double> literalWalkChances(int W, int H, int digLimit, int goalY)
{
    struct Cell { int x, y; };
    auto bit = [W](int x, int y) { return std::uint64_t {1} << (y * (W + 1) + x); };
    // The dig rule: a move's target lies off the frame, and its neighbours
    // other than the cell moved from are all wall.
    auto moves = [&](std::uint64_t passages, Cell from) {
        std::vector<Cell> targets;
        for (const Cell d : {Cell {-1, 0}, Cell {0, -1}, Cell {1, 0}, Cell {0, 1}}) {
            const int tx = from.x + d.x, ty = from.y + d.y;
            if (tx >= 1 && ty >= 1 && tx < W && ty < H
                && !(passages & (bit(tx + d.x, ty + d.y) | bit(tx + d.y, ty + d.x) | bit(tx - d.y, ty - d.x))))
                targets.push_back({tx, ty});
        }
        return targets;
    };
    // Where the walk may stand with a move to take, and the chance of it.
    using State = std::tuple<std::uint64_t, int, int, int>;  // passages, x, y, goal row
    std::map<State, double> now {{{0, 1, 1, goalY}, 1.0}};
    std::map<TinyMaze, double> mazes;
    for (int steps = 1; steps <= digLimit; ++steps) {
        std::map<State, double> next;
        for (const auto& [state, chance] : now) {
            const auto [passages, x, y, goal] = state;
            const std::vector<Cell> targets = moves(passages, {x, y});
            for (const Cell t : targets) {
                const std::uint64_t dug = passages | bit(t.x, t.y);
                const double p = chance / static_cast<double>(targets.size());
                if (steps == digLimit) {
                    mazes[{dug, goal}] += p;
                } else if (!moves(dug, t).empty()) {
                    next[{dug, t.x, t.y, goal}] += p;
                } else {
                    // A dead end. Of the passages the jumps draw, n matter: those
                    // with a move, where they end, and the dead ends of column
                    // W - 1. The last of these met is each with chance 1/n.
                    std::vector<Cell> live, goalEnds;
                    for (int cy = 1; cy < H; ++cy)
                        for (int cx = 1; cx < W; ++cx)
                            if (dug & bit(cx, cy))
                                (!moves(dug, {cx, cy}).empty() ? live : goalEnds).push_back({cx, cy});
                    std::erase_if(goalEnds, [W](Cell c) { return c.x != W - 1; });
                    const double n = static_cast<double>(live.size() + goalEnds.size());
                    for (const Cell l : live) {
                        next[{dug, l.x, l.y, t.x == W - 1 ? t.y : goal}] += p / n;
                        for (const Cell e : goalEnds)
                            next[{dug, l.x, l.y, e.y}] += p / n / static_cast<double>(live.size());
                    }
                }
            }
        }
        now = std::move(next);
    }
    return mazes;
}
