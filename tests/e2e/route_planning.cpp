// The shortest path by breadth-first search, and key choices tried against
// the play tick's own rule: each held arrow, in the order up, left, right,
// down, moves the player one cell when that cell is open.
#include "e2e/route_planning.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <deque>
#include <optional>

namespace {

struct Arrow {
    QPoint step;
    const char* key;
};

// The play tick's order.
constexpr std::array<Arrow, 4> kArrows {{
    {QPoint(0, -1), "Up"},
    {QPoint(-1, 0), "Left"},
    {QPoint(1, 0), "Right"},
    {QPoint(0, 1), "Down"},
}};

constexpr int kAllArrows = 1 << kArrows.size();

struct Outcome {
    int reached = 0;  // index of the path cell where the player stops
    int ticks = 0;
};

// Holding the arrows of `held` (one bit per entry of kArrows) from the
// path's first cell: where the player comes to rest, or nothing when a
// step leaves the path or goes back along it.
std::optional<Outcome> follow(const Maze& maze, const std::vector<QPoint>& path, const QHash<QPoint, int>& place,
                              int held)
{
    Outcome outcome;
    QPoint at = path.front();
    const int last = int(path.size()) - 1;
    while (true) {
        bool moved = false;
        for (std::size_t a = 0; a < kArrows.size(); ++a) {
            if (!(held & (1 << a)) || !maze.isOpen(at + kArrows[a].step))
                continue;
            at += kArrows[a].step;
            if (place.value(at, -1) != outcome.reached + 1)
                return std::nullopt;
            ++outcome.reached;
            moved = true;
        }
        if (!moved)
            return outcome;
        ++outcome.ticks;
        // The game checks for the goal after each tick's moves.
        if (outcome.reached == last)
            return outcome;
    }
}

}  // namespace

std::vector<QPoint> shortestPath(const Maze& maze, QPoint from, QPoint to)
{
    if (!maze.isOpen(from) || !maze.isOpen(to))
        return {};
    std::vector<int> cameFrom(maze.open.size(), -1);
    std::deque<QPoint> todo {from};
    cameFrom[maze.index(from)] = int(maze.index(from));
    while (!todo.empty() && cameFrom[maze.index(to)] < 0) {
        const QPoint c = todo.front();
        todo.pop_front();
        for (const Arrow& arrow : kArrows) {
            const QPoint next = c + arrow.step;
            if (maze.isOpen(next) && cameFrom[maze.index(next)] < 0) {
                cameFrom[maze.index(next)] = int(maze.index(c));
                todo.push_back(next);
            }
        }
    }
    if (cameFrom[maze.index(to)] < 0)
        return {};
    std::vector<QPoint> path {to};
    while (path.back() != from) {
        const int i = cameFrom[maze.index(path.back())];
        path.emplace_back(i % (maze.W + 1), i / (maze.W + 1));
    }
    std::reverse(path.begin(), path.end());
    return path;
}

KeyPlan planKeys(const Maze& maze, const std::vector<QPoint>& path)
{
    QHash<QPoint, int> place;
    for (std::size_t i = 0; i < path.size(); ++i)
        place.insert(path[i], int(i));

    std::optional<Outcome> best;
    int bestHeld = 0;
    for (int held = 1; held < kAllArrows; ++held) {
        const std::optional<Outcome> outcome = follow(maze, path, place, held);
        if (!outcome || outcome->reached == 0)
            continue;
        if (!best || outcome->reached > best->reached
            || (outcome->reached == best->reached && outcome->ticks < best->ticks)) {
            best = outcome;
            bestHeld = held;
        }
    }

    KeyPlan plan;
    if (best) {
        for (std::size_t a = 0; a < kArrows.size(); ++a) {
            if (bestHeld & (1 << a))
                plan.keys << QString::fromLatin1(kArrows[a].key);
        }
        plan.end = path[std::size_t(best->reached)];
        plan.ticks = best->ticks;
        plan.rests = true;
        return plan;
    }

    const QPoint step = path[1] - path[0];
    std::size_t run = 1;
    while (run + 1 < path.size() && path[run + 1] - path[run] == step)
        ++run;
    for (const Arrow& arrow : kArrows) {
        if (arrow.step == step)
            plan.keys << QString::fromLatin1(arrow.key);
    }
    plan.end = path[run];
    plan.ticks = int(run);
    plan.rests = false;
    return plan;
}
