// A stroke joins the centres of two neighbouring cells, which lie 7.5 pixels
// inside their squares, and its round caps end 6 pixels past them, so it
// reaches into the squares of the cells in the box the two span: its two
// cells, and for a diagonal stroke the two cells that share its corner. Each
// of those cells names the stroke in its look.
#include "render/style_rules.h"

#include <algorithm>
#include <array>

namespace {

constexpr StrokeStep kStyleOneSteps[] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}, {-1, 1}};
constexpr StrokeStep kStyleThreeSteps[] = {{1, 0}, {0, 1}};

CellLook fillOf(const StyleRule& rule, const MazeScene& scene, int x, int y)
{
    if (x > scene.width || y > scene.height || rule.fill == CellFill::None)
        return kFillNone;
    if (rule.fill == CellFill::ForeOrWall)
        return scene.maze(x, y) == 0 ? kFillSecond : kFillFirst;
    return rule.fill == CellFill::Fore ? kFillFirst : kFillSecond;
}

}  // namespace

const StyleRule kStyleOne {true, kStyleOneSteps, 12, false, CellFill::Fore, 1};
const StyleRule kStyleTwo {true, {}, 1, false, CellFill::ForeOrWall, 0};
const StyleRule kStyleThree {false, kStyleThreeSteps, 12, true, CellFill::Back, 0};

CellGrid cellLooks(const StyleRule& rule, const MazeScene& scene)
{
    CellGrid grid;
    grid.columns = scene.width + 1 + rule.reach;
    grid.rows = scene.height + 1 + rule.reach;
    grid.penWidth = rule.penWidth;
    grid.strokeColour = rule.strokesInFore ? scene.foreColor : scene.backColor;
    grid.fills[0] = scene.foreColor;
    grid.fills[1] = scene.backColor;
    grid.looks.resize(static_cast<std::size_t>(grid.columns) * static_cast<std::size_t>(grid.rows));

    // Which of a cell's twelve strokes the rule joins: stroke n joins the
    // cells at its two ends when a step leads from one to the other, from
    // either end. A step starts from a cell of columns 0..W and rows 0..H
    // and never looks at column or row -1.
    const int W = scene.width;
    const int H = scene.height;
    auto draws = [&](int x, int y) { return (scene.maze.at(x, y) == 0) == rule.wallsDraw; };
    auto starts = [&](int x, int y) { return x >= 0 && y >= 0 && x <= W && y <= H && draws(x, y); };
    auto ends = [&](int x, int y) { return x >= 0 && y >= 0 && draws(x, y); };
    auto stepsBetween = [&rule](int dx, int dy) {
        return std::any_of(rule.steps.begin(), rule.steps.end(),
                           [&](const StrokeStep& step) { return step.dx == dx && step.dy == dy; });
    };
    std::array<bool, kStrokeCount> forward {};
    std::array<bool, kStrokeCount> backward {};
    for (int n = 0; n < kStrokeCount; ++n) {
        const CellStroke& k = kCellStrokes[n];
        forward[static_cast<std::size_t>(n)] = stepsBetween(k.x2 - k.x1, k.y2 - k.y1);
        backward[static_cast<std::size_t>(n)] = stepsBetween(k.x1 - k.x2, k.y1 - k.y2);
    }
    auto strokesOf = [&](int x, int y) {
        CellLook look = 0;
        for (int n = 0; n < kStrokeCount; ++n) {
            const CellStroke& k = kCellStrokes[n];
            const int x1 = x + k.x1, y1 = y + k.y1, x2 = x + k.x2, y2 = y + k.y2;
            if ((forward[static_cast<std::size_t>(n)] && starts(x1, y1) && ends(x2, y2))
                || (backward[static_cast<std::size_t>(n)] && starts(x2, y2) && ends(x1, y1)))
                look |= static_cast<CellLook>(1 << n);
        }
        return look;
    };
    // Within columns 1..W - 1 and rows 1..H - 1 every cell round a cell both
    // starts and ends steps where it draws, so its strokes follow from which
    // of the nine cells of its square draw (bit 3 (dy + 1) + dx + 1): a table
    // of them, and a window of nine bits slid along each row.
    std::array<CellLook, 512> inner {};
    for (unsigned square = 0; square < inner.size(); ++square) {
        auto on = [square](int dx, int dy) { return (square >> (3 * (dy + 1) + dx + 1)) & 1; };
        for (int n = 0; n < kStrokeCount; ++n) {
            const CellStroke& k = kCellStrokes[n];
            if ((forward[static_cast<std::size_t>(n)] || backward[static_cast<std::size_t>(n)]) && on(k.x1, k.y1)
                && on(k.x2, k.y2))
                inner[square] |= static_cast<CellLook>(1 << n);
        }
    }
    const bool anySteps = !rule.steps.empty();
    for (int y = 0; y < grid.rows; ++y) {
        CellLook* row = grid.looks.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(grid.columns);
        const bool innerRow = y >= 1 && y <= H - 1;
        unsigned square = 0;
        for (int x = 0; x < grid.columns; ++x) {
            CellLook look = fillOf(rule, scene, x, y);
            if (anySteps && innerRow && x >= 1 && x <= W - 1) {
                // The window holds columns x - 1 .. x + 1.
                if (x == 1)
                    square = draws(0, y - 1) | draws(0, y) << 3 | draws(0, y + 1) << 6
                             | draws(1, y - 1) << 1 | draws(1, y) << 4 | draws(1, y + 1) << 7;
                else
                    square >>= 1;
                square = (square & 0b011011011u) | draws(x + 1, y - 1) << 2 | draws(x + 1, y) << 5
                         | draws(x + 1, y + 1) << 8;
                look |= inner[square];
            } else if (anySteps) {
                look |= strokesOf(x, y);
            }
            row[x] = look;
        }
    }
    return grid;
}
