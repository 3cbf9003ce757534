// Each style is told once, as what a cell looks like from its
// neighbourhood: which strokes of the pen reach into its square, and what
// fills it beneath them. A stroke joins the centres of two neighbouring
// cells, which lie 7.5 pixels inside their squares, and its round caps end 6
// pixels past them, so it reaches into the squares of its two cells and, for
// a stroke between two side neighbours of a cell, across that cell's corner;
// no others. The surface draws every cell within its own square, which gives
// the pixels of drawing each stroke whole, once, as the game first drew them.
#include "render/maze_renderer.h"

#include "play/movement.h"

#include <array>

namespace {

constexpr std::int16_t kThickPen = 12;

// The strokes that can reach into a cell's square.
constexpr CellStroke kNeighbourStrokes[] = {
    // From its centre to each of its eight neighbours: the side neighbours
    // first, in the order left, up, right, down.
    {0, 0, -1, 0}, {0, 0, 0, -1}, {0, 0, 1, 0}, {0, 0, 0, 1},
    {0, 0, -1, -1}, {0, 0, 1, -1}, {0, 0, 1, 1}, {0, 0, -1, 1},
    // Between two of its side neighbours, across one of its corners.
    {-1, 0, 0, -1}, {0, -1, 1, 0}, {1, 0, 0, 1}, {0, 1, -1, 0},
};
constexpr std::span<const CellStroke> kSideStrokes(kNeighbourStrokes, 4);

bool drawnFrom(int x, int y, const MazeScene& scene)
{
    return x >= 0 && y >= 0 && x <= scene.width && y <= scene.height;
}

// Whether style 1 strokes between cells a and b, which touch by a side or a
// corner. Its loops go over the cells of columns 0..W and rows 0..H, and
// from each wall draw a stroke to the right, lower and lower-right
// neighbours that are walls, to the upper-right one below row 0, and to the
// lower-left one right of column 0.
bool wallStroke(const MazeScene& scene, int ax, int ay, int bx, int by)
{
    // a is to the left of b, or above it in the same column.
    if (bx < ax || (bx == ax && by < ay)) {
        std::swap(ax, bx);
        std::swap(ay, by);
    }
    const bool drawn = by < ay ? (drawnFrom(ax, ay, scene) && ay > 0) || (drawnFrom(bx, by, scene) && bx > 0)
                               : drawnFrom(ax, ay, scene);
    return drawn && scene.maze(ax, ay) == 0 && scene.maze(bx, by) == 0;
}

// Inside the frame every stroke between two walls is drawn: the strokes of
// a cell there follow from which of its 3 x 3 neighbourhood are walls, bit
// 3 (dx + 1) + (dy + 1) for the neighbour at (dx, dy), column by column.
std::array<CellLook, 512> wallStrokesInside()
{
    std::array<CellLook, 512> looks {};
    for (int walls = 0; walls < 512; ++walls) {
        auto wall = [walls](int dx, int dy) { return (walls >> (3 * (dx + 1) + dy + 1)) & 1; };
        for (std::size_t n = 0; n < std::size(kNeighbourStrokes); ++n) {
            const CellStroke& k = kNeighbourStrokes[n];
            if (wall(k.x1, k.y1) && wall(k.x2, k.y2))
                looks[static_cast<std::size_t>(walls)] |= static_cast<CellLook>(1u << n);
        }
    }
    return looks;
}

// Near the frame the loops' bounds decide as well.
CellLook wallStrokesNearTheFrame(const MazeScene& scene, int x, int y)
{
    CellLook look = 0;
    for (std::size_t n = 0; n < std::size(kNeighbourStrokes); ++n) {
        const CellStroke& k = kNeighbourStrokes[n];
        if (wallStroke(scene, x + k.x1, y + k.y1, x + k.x2, y + k.y2))
            look |= static_cast<CellLook>(1u << n);
    }
    return look;
}

CellGrid cellsOf(int columns, int rows)
{
    CellGrid grid;
    grid.columns = columns;
    grid.rows = rows;
    grid.penWidth = kThickPen;
    grid.looks.reserve(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows));
    return grid;
}

void closingSteps(Surface& s, const MazeScene& scene)
{
    s.DrawWidth = 1;
    drawGoalDot(s, scene);
    drawStatusLines(s, scene);
}

}  // namespace

float cellEdge(int n)
{
    return static_cast<float>(static_cast<std::int16_t>(15 * n + 15));
}

CellGrid styleOneCells(const MazeScene& scene)
{
    // The passage colour fills the maze's rectangle, columns 0..W and rows
    // 0..H; the strokes of its frame reach one cell beyond it.
    CellGrid grid = cellsOf(scene.width + 2, scene.height + 2);
    grid.strokes = kNeighbourStrokes;
    grid.strokeColour = scene.backColor;
    grid.fills[0] = scene.foreColor;
    static const std::array<CellLook, 512> inside = wallStrokesInside();
    const MazeGrid& m = scene.maze;
    for (int y = 0; y < grid.rows; ++y) {
        const CellLook fill = y <= scene.height ? kFillFirst : kFillNone;
        if (y < 1 || y >= scene.height) {
            for (int x = 0; x < grid.columns; ++x)
                grid.looks.push_back((x <= scene.width ? fill : kFillNone) | wallStrokesNearTheFrame(scene, x, y));
            continue;
        }
        // Along the row the neighbourhood moves on by a column at a time.
        auto column = [&m, y](int x) { return (m(x, y - 1) == 0) | (m(x, y) == 0) << 1 | (m(x, y + 1) == 0) << 2; };
        int walls = column(0) << 3 | column(1) << 6;
        grid.looks.push_back(fill | wallStrokesNearTheFrame(scene, 0, y));
        for (int x = 1; x < scene.width; ++x) {
            walls = walls >> 3 | column(x + 1) << 6;
            grid.looks.push_back(fill | inside[static_cast<std::size_t>(walls)]);
        }
        for (int x = scene.width; x < grid.columns; ++x)
            grid.looks.push_back((x <= scene.width ? fill : kFillNone) | wallStrokesNearTheFrame(scene, x, y));
    }
    return grid;
}

CellGrid styleTwoCells(const MazeScene& scene)
{
    CellGrid grid = cellsOf(scene.width + 1, scene.height + 1);
    grid.fills[0] = scene.foreColor;
    grid.fills[1] = scene.backColor;
    for (int y = 0; y < grid.rows; ++y)
        for (int x = 0; x < grid.columns; ++x)
            grid.looks.push_back(scene.maze(x, y) == 0 ? kFillSecond : kFillFirst);
    return grid;
}

CellGrid styleThreeCells(const MazeScene& scene)
{
    // Over the wall colour, a track joins every two passages that share a
    // side, drawn from the left or upper one of columns 0..W and rows 0..H.
    const MazeGrid& m = scene.maze;
    CellGrid grid = cellsOf(scene.width + 1, scene.height + 1);
    grid.strokes = kSideStrokes;
    grid.strokeColour = scene.foreColor;
    grid.fills[0] = scene.backColor;
    for (int y = 0; y < grid.rows; ++y) {
        for (int x = 0; x < grid.columns; ++x) {
            CellLook look = kFillFirst;
            if (m(x, y) != 0) {
                look |= (x > 0 && m(x - 1, y) != 0 ? 1 : 0) | (y > 0 && m(x, y - 1) != 0 ? 2 : 0)
                      | (m(x + 1, y) != 0 ? 4 : 0) | (m(x, y + 1) != 0 ? 8 : 0);
            }
            grid.looks.push_back(look);
        }
    }
    return grid;
}

void Draw_Lines(Surface& s, const MazeScene& scene)
{
    s.drawCells(styleOneCells(scene));
    s.ForeColor = scene.backColor;
    s.DrawWidth = kThickPen;
    s.Box(15.0f, 15.0f, cellEdge(scene.width + 1), cellEdge(scene.height + 1));
    closingSteps(s, scene);
}

void Draw_Style2(Surface& s, const MazeScene& scene)
{
    s.drawCells(styleTwoCells(scene));
    closingSteps(s, scene);
}

void Draw_Style3(Surface& s, const MazeScene& scene)
{
    s.Cls();
    s.drawCells(styleThreeCells(scene));
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
    s.Circle(cellCentreX(static_cast<std::int16_t>(scene.width - 1)), cellCentreY(scene.goalY), 3.0f);
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

void drawPlayerStep(Surface& s, ColourWord passage, std::int16_t fromX, std::int16_t fromY, std::int16_t toX,
                    std::int16_t toY)
{
    s.FillStyle = 0;
    s.FillColor = passage;
    s.ForeColor = passage;
    s.Circle(cellCentreX(fromX), cellCentreY(fromY), 3.0f);
    s.FillColor = kPlayerColour;
    s.ForeColor = kPlayerColour;
    s.Circle(cellCentreX(toX), cellCentreY(toY), 3.0f);
    s.FillStyle = 1;
}

void drawClockTick(Surface& s, std::int16_t mazeHeight, ClockReading shown, ClockReading next, ColourWord fore,
                   ColourWord back)
{
    s.ForeColor = back;
    printClockLine(s, mazeHeight, shown);
    s.ForeColor = fore;
    printClockLine(s, mazeHeight, next);
}
