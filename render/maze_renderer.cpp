// Each style draws its cells from the looks its rule gives them, then the
// closing steps the three share: the goal dot and the two text lines.
#include "render/maze_renderer.h"

#include "render/style_rules.h"

namespace {

void closingSteps(Surface& s, const MazeScene& scene)
{
    s.DrawWidth = 1;
    drawGoalDot(s, scene);
    drawStatusLines(s, scene);
}

void drawDot(Surface& s, ColourWord colour, std::int16_t x, std::int16_t y)
{
    s.FillColor = colour;
    s.ForeColor = colour;
    s.Circle(cellCentre(x), cellCentre(y), kDotRadius);
}

}  // namespace

void Draw_Lines(Surface& s, const MazeScene& scene)
{
    s.drawCells(cellLooks(kStyleOne, scene));
    // The 12-pixel outline along the maze's rectangle, in the wall colour.
    s.ForeColor = scene.backColor;
    s.DrawWidth = kStyleOne.penWidth;
    s.Box(cellEdge(0), cellEdge(0), cellEdge(scene.width + 1), cellEdge(scene.height + 1));
    closingSteps(s, scene);
}

void Draw_Style2(Surface& s, const MazeScene& scene)
{
    s.drawCells(cellLooks(kStyleTwo, scene));
    closingSteps(s, scene);
}

void Draw_Style3(Surface& s, const MazeScene& scene)
{
    s.Cls();
    s.drawCells(cellLooks(kStyleThree, scene));
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
    drawDot(s, kGoalColour, static_cast<std::int16_t>(scene.width - 1), scene.goalY);
    s.FillStyle = 1;
}

void drawStatusLines(Surface& s, const MazeScene& scene)
{
    s.ForeColor = scene.foreColor;
    printClockLine(s, scene.height, scene.clock);
    s.CurrentY = kHighScoreTop;
    s.CurrentX = kTextLeft;
    s.Print(highScoreLine(scene.highScore, scene.highName));
}

void printClockLine(Surface& s, std::int16_t mazeHeight, ClockReading reading)
{
    s.CurrentY = cellEdge(mazeHeight + 1);
    s.CurrentX = kTextLeft;
    s.Print(clockLine(reading));
}

void drawPlayerStep(Surface& s, ColourWord passage, std::int16_t fromX, std::int16_t fromY, std::int16_t toX,
                    std::int16_t toY)
{
    s.FillStyle = 0;
    drawDot(s, passage, fromX, fromY);
    drawDot(s, kPlayerColour, toX, toY);
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
