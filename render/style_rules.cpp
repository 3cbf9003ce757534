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

// The bit of the stroke between the cells at a and b, counted from the cell
// drawn, in either order: indexed by 9 a + b with each offset 3 (dx + 1)
// + (dy + 1).
constexpr std::array<CellLook, 81> strokeBits()
{
    std::array<CellLook, 81> bits {};
    auto offset = [](int dx, int dy) { return 3 * (dx + 1) + dy + 1; };
    for (int n = 0; n < kStrokeCount; ++n) {
        const CellStroke& k = kCellStrokes[n];
        const auto bit = static_cast<CellLook>(1 << n);
        bits[static_cast<std::size_t>(9 * offset(k.x1, k.y1) + offset(k.x2, k.y2))] = bit;
        bits[static_cast<std::size_t>(9 * offset(k.x2, k.y2) + offset(k.x1, k.y1))] = bit;
    }
    return bits;
}
constexpr std::array<CellLook, 81> kStrokeBits = strokeBits();

void join(CellGrid& grid, int ax, int ay, int bx, int by)
{
    for (int y = std::min(ay, by); y <= std::max(ay, by); ++y) {
        for (int x = std::min(ax, bx); x <= std::max(ax, bx); ++x) {
            const int a = 3 * (ax - x + 1) + ay - y + 1;
            const int b = 3 * (bx - x + 1) + by - y + 1;
            grid.looks[static_cast<std::size_t>(y * grid.columns + x)] |= kStrokeBits[static_cast<std::size_t>(9 * a + b)];
        }
    }
}

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
    grid.looks.reserve(static_cast<std::size_t>(grid.columns) * static_cast<std::size_t>(grid.rows));
    for (int y = 0; y < grid.rows; ++y)
        for (int x = 0; x < grid.columns; ++x)
            grid.looks.push_back(fillOf(rule, scene, x, y));

    auto draws = [&](int x, int y) { return (scene.maze(x, y) == 0) == rule.wallsDraw; };
    for (int y = 0; y <= scene.height; ++y) {
        for (int x = 0; x <= scene.width; ++x) {
            if (!draws(x, y))
                continue;
            for (const StrokeStep& step : rule.steps) {
                const int bx = x + step.dx;
                const int by = y + step.dy;
                if (bx >= 0 && by >= 0 && draws(bx, by))
                    join(grid, x, y, bx, by);
            }
        }
    }
    return grid;
}
