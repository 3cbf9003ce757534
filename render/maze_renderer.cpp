#include "render/maze_renderer.h"

#include "play/movement.h"
#include "render/reference_renderer.h"
#include "render/surface.h"

#include <array>
#include <vector>

// The fast renderer draws the same pixels as the reference renderer, cell by
// cell from stamps. A stroke joins two neighbouring cells and never leaves
// their 2 x 2 block (its round caps end 6 pixels past centres that lie 7.5
// pixels inside their cells), so a cell's final pixels depend only on its
// 3 x 3 neighbourhood and on where it lies: inside the frame, on it, or just
// beyond it, where fewer strokes are drawn. Each case is drawn once as a
// stamp, by the very strokes the reference draws, and copied to every cell
// it fits.

namespace {

constexpr std::int16_t kThickPen = 12;
constexpr int kCell = 15;

// Stamp keys: the style above bit 20, then what the stamp depends on.
constexpr std::uint32_t kStyleOne = 1u << 20;
constexpr std::uint32_t kStyleTwo = 2u << 20;
constexpr std::uint32_t kStyleThree = 3u << 20;

float centre(int n)
{
    return cellCentreX(static_cast<std::int16_t>(n));
}

// The centre of neighbour d (-1, 0, 1) on a 3 x 3 scratch whose middle cell
// has its corner at (15, 15).
float scratchCentre(int d)
{
    return static_cast<float>(kCell * (d + 1)) + 7.5f;
}

void closingSteps(Surface& s, const MazeScene& scene)
{
    s.DrawWidth = 1;
    drawGoalDot(s, scene);
    drawStatusLines(s, scene);
}

int stampFor(Surface& s, std::uint32_t key, const MazeScene& scene,
             Surface::StampRecipe (*recipe)(std::uint32_t, const MazeScene&))
{
    const int found = s.findStamp(key);
    return found >= 0 ? found : s.makeStamp(key, recipe(key, scene));
}

// --- Style 1 ---------------------------------------------------------------

// Where a cell lies along one axis, as far as the strokes care: 0, 1,
// inside, on the far frame (W or H), or just beyond it.
int placeClass(int n, int last)
{
    if (n <= 1)
        return n;
    if (n < last)
        return 2;
    return n == last ? 3 : 4;
}

// A stand-in index with the same relation to 0 and to the far frame as every
// cell of its class, on an axis whose far frame is at 10.
constexpr int kStandInFrame = 10;
int standIn(int placeClassValue)
{
    constexpr int indexOf[] = {0, 1, 5, kStandInFrame, kStandInFrame + 1};
    return indexOf[placeClassValue];
}

// The wall cells among the 3 x 3 around (x, y), as nine bits, row by row.
// Cells before the first or past the last that the reference reads count as
// passages: no stroke ever reaches them.
int neighbourhoodWalls(const MazeGrid& m, int x, int y, int W, int H)
{
    if (x >= 1 && y >= 1 && x <= W && y <= H) {
        // Every neighbour lies within 0..W + 1 and 0..H + 1.
        return (m(x - 1, y - 1) == 0) | (m(x, y - 1) == 0) << 1 | (m(x + 1, y - 1) == 0) << 2
            | (m(x - 1, y) == 0) << 3 | (m(x, y) == 0) << 4 | (m(x + 1, y) == 0) << 5
            | (m(x - 1, y + 1) == 0) << 6 | (m(x, y + 1) == 0) << 7 | (m(x + 1, y + 1) == 0) << 8;
    }
    int bits = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            const bool wall = nx >= 0 && ny >= 0 && nx <= W + 1 && ny <= H + 1 && m(nx, ny) == 0;
            bits |= (wall ? 1 : 0) << ((dy + 1) * 3 + (dx + 1));
        }
    return bits;
}

// Draws, in the current pen, the strokes of the reference that touch the
// middle cell: those between two walls of the neighbourhood that start from a
// cell the reference's loops visit, with its conditions for the rising
// diagonals.
void styleOneStrokes(Surface& s, int wallBits, int xClass, int yClass)
{
    auto wall = [&](int dx, int dy) { return ((wallBits >> ((dy + 1) * 3 + (dx + 1))) & 1) != 0; };
    auto inside = [](int d) { return d >= -1 && d <= 1; };
    for (int oy = -1; oy <= 1; ++oy) {
        for (int ox = -1; ox <= 1; ++ox) {
            const int x = standIn(xClass) + ox;
            const int y = standIn(yClass) + oy;
            if (x < 0 || y < 0 || x > kStandInFrame || y > kStandInFrame || !wall(ox, oy))
                continue;
            struct Step {
                int dx, dy;
                bool made;
            };
            const Step steps[] = {{1, 0, true}, {0, 1, true}, {1, 1, true}, {1, -1, y > 0}, {-1, 1, x > 0}};
            for (const Step& step : steps) {
                const int tx = ox + step.dx;
                const int ty = oy + step.dy;
                if (step.made && inside(tx) && inside(ty) && wall(tx, ty))
                    s.Line(scratchCentre(ox), scratchCentre(oy), scratchCentre(tx), scratchCentre(ty));
            }
        }
    }
}

Surface::StampRecipe styleOneRecipe(std::uint32_t key, const MazeScene& scene)
{
    const int wallBits = static_cast<int>(key & 0x1FF);
    const int xClass = static_cast<int>((key >> 9) & 7);
    const int yClass = static_cast<int>((key >> 12) & 7);
    // Inside the maze rectangle the passage colour lies beneath; beyond it
    // only the strokes are copied, onto whatever the window shows there.
    const bool inRectangle = xClass <= 3 && yClass <= 3;
    const ColourWord fore = scene.foreColor;
    const ColourWord back = scene.backColor;
    return Surface::StampRecipe {3 * kCell, 3 * kCell, kCell, kCell, kCell, kCell, inRectangle,
                                 [=](Surface& scratch) {
                                     if (inRectangle) {
                                         scratch.ForeColor = fore;
                                         scratch.BoxFilled(kCell, kCell, 2 * kCell, 2 * kCell);
                                     }
                                     scratch.ForeColor = back;
                                     scratch.DrawWidth = kThickPen;
                                     styleOneStrokes(scratch, wallBits, xClass, yClass);
                                 }};
}

// --- Style 2 ---------------------------------------------------------------

Surface::StampRecipe styleTwoRecipe(std::uint32_t key, const MazeScene& scene)
{
    const ColourWord colour = (key & 1) ? scene.backColor : scene.foreColor;
    return Surface::StampRecipe {kCell, kCell, 0, 0, kCell, kCell, true, [=](Surface& scratch) {
                                     scratch.ForeColor = colour;
                                     scratch.BoxFilled(0, 0, kCell, kCell);
                                 }};
}

// --- Style 3 ---------------------------------------------------------------

enum SideBit { kLeftOpen = 1, kUpOpen = 2, kRightOpen = 4, kDownOpen = 8 };

Surface::StampRecipe styleThreeRecipe(std::uint32_t key, const MazeScene& scene)
{
    const int open = static_cast<int>(key & 0xF);
    const ColourWord fore = scene.foreColor;
    const ColourWord back = scene.backColor;
    return Surface::StampRecipe {3 * kCell, 3 * kCell, kCell, kCell, kCell, kCell, true, [=](Surface& scratch) {
                                     scratch.ForeColor = back;
                                     scratch.BoxFilled(kCell, kCell, 2 * kCell, 2 * kCell);
                                     scratch.ForeColor = fore;
                                     scratch.DrawWidth = kThickPen;
                                     const float c = scratchCentre(0);
                                     if (open & kLeftOpen)
                                         scratch.Line(scratchCentre(-1), c, c, c);
                                     if (open & kUpOpen)
                                         scratch.Line(c, scratchCentre(-1), c, c);
                                     if (open & kRightOpen)
                                         scratch.Line(c, c, scratchCentre(1), c);
                                     if (open & kDownOpen)
                                         scratch.Line(c, c, c, scratchCentre(1));
                                 }};
}

}  // namespace

float cellEdge(int n)
{
    return static_cast<float>(static_cast<std::int16_t>(15 * n + 15));
}

void Draw_Lines(Surface& s, const MazeScene& scene)
{
    if (!s.stampsAvailable()) {
        referenceDrawLines(s, scene);
        return;
    }
    const MazeGrid& m = scene.maze;
    const int W = scene.width;
    const int H = scene.height;
    s.useStampPalette(scene.foreColor, scene.backColor);

    // Most cells lie inside: their stamps are looked up here, not by key.
    std::array<int, 512> inside;
    inside.fill(-1);
    std::vector<int> grid;
    grid.reserve(static_cast<std::size_t>(W + 2) * static_cast<std::size_t>(H + 2));
    for (int y = 0; y <= H + 1; ++y) {
        const int yClass = placeClass(y, H);
        for (int x = 0; x <= W + 1; ++x) {
            const int xClass = placeClass(x, W);
            const int bits = neighbourhoodWalls(m, x, y, W, H);
            const std::uint32_t key = kStyleOne | static_cast<std::uint32_t>(bits)
                | static_cast<std::uint32_t>(xClass) << 9 | static_cast<std::uint32_t>(yClass) << 12;
            int stamp;
            if (xClass == 2 && yClass == 2) {
                int& known = inside[static_cast<std::size_t>(bits)];
                if (known < 0)
                    known = stampFor(s, key, scene, styleOneRecipe);
                stamp = known;
            } else {
                stamp = stampFor(s, key, scene, styleOneRecipe);
            }
            grid.push_back(stamp);
        }
    }
    s.placeStampGrid(grid, W + 2, kCell, kCell, kCell);

    s.ForeColor = scene.backColor;
    s.DrawWidth = kThickPen;
    s.Box(15.0f, 15.0f, cellEdge(W + 1), cellEdge(H + 1));
    closingSteps(s, scene);
}

void Draw_Style2(Surface& s, const MazeScene& scene)
{
    if (!s.stampsAvailable()) {
        referenceDrawStyle2(s, scene);
        return;
    }
    const MazeGrid& m = scene.maze;
    s.useStampPalette(scene.foreColor, scene.backColor);
    const int passage = stampFor(s, kStyleTwo, scene, styleTwoRecipe);
    const int wall = stampFor(s, kStyleTwo | 1, scene, styleTwoRecipe);
    std::vector<int> grid;
    grid.reserve(static_cast<std::size_t>(scene.width + 1) * static_cast<std::size_t>(scene.height + 1));
    for (int y = 0; y <= scene.height; ++y)
        for (int x = 0; x <= scene.width; ++x)
            grid.push_back(m(x, y) == 0 ? wall : passage);
    s.placeStampGrid(grid, scene.width + 1, kCell, kCell, kCell);
    closingSteps(s, scene);
}

void Draw_Style3(Surface& s, const MazeScene& scene)
{
    if (!s.stampsAvailable()) {
        referenceDrawStyle3(s, scene);
        return;
    }
    const MazeGrid& m = scene.maze;
    s.Cls();
    s.useStampPalette(scene.foreColor, scene.backColor);
    std::array<int, 16> stamps;
    stamps.fill(-1);
    std::vector<int> grid;
    grid.reserve(static_cast<std::size_t>(scene.width + 1) * static_cast<std::size_t>(scene.height + 1));
    for (int y = 0; y <= scene.height; ++y) {
        for (int x = 0; x <= scene.width; ++x) {
            // A wall shows the wall colour the window was just cleared to,
            // as does a passage with no open side: both take that stamp.
            const int open = m(x, y) == 0 ? 0
                                          : (x > 0 && m(x - 1, y) ? kLeftOpen : 0) | (y > 0 && m(x, y - 1) ? kUpOpen : 0)
                    | (m(x + 1, y) ? kRightOpen : 0) | (m(x, y + 1) ? kDownOpen : 0);
            int& stamp = stamps[static_cast<std::size_t>(open)];
            if (stamp < 0)
                stamp = stampFor(s, kStyleThree | static_cast<std::uint32_t>(open), scene, styleThreeRecipe);
            grid.push_back(stamp);
        }
    }
    s.placeStampGrid(grid, scene.width + 1, kCell, kCell, kCell);
    closingSteps(s, scene);
}

void drawInStyle(Surface& s, const MazeScene& scene, std::int16_t styleIndex)
{
    switch (styleIndex) {
    case 0: Draw_Lines(s, scene); break;
    case 1: Draw_Style2(s, scene); break;
    case 2: Draw_Style3(s, scene); break;
    default: break;
    }
}

void drawGoalDot(Surface& s, const MazeScene& scene)
{
    s.FillStyle = 0;
    s.FillColor = kGoalColour;
    s.ForeColor = kGoalColour;
    s.Circle(centre(scene.width - 1), centre(scene.goalY), 3.0f);
    s.FillStyle = 1;
}

void drawStatusLines(Surface& s, const MazeScene& scene)
{
    s.ForeColor = scene.foreColor;
    printClockLine(s, scene.height, scene.clock);
    s.CurrentY = 1.5f;
    s.CurrentX = 30.0f;
    s.Print(highScoreLine(scene.highScore, scene.highName));
}

void printClockLine(Surface& s, std::int16_t mazeHeight, ClockReading reading)
{
    s.CurrentY = cellEdge(mazeHeight + 1);
    s.CurrentX = 30.0f;
    s.Print(clockLine(reading));
}
