// The oracle: every stroke and box of a style drawn whole, in the order the
// game first drew them.
#include "support/reference_drawing.h"

#include "play/movement.h"
#include "render/surface.h"

namespace {

constexpr std::int16_t kThickPen = 12;

float centre(int n)
{
    return cellCentreX(static_cast<std::int16_t>(n));
}

void fillMazeRectangle(Surface& s, const MazeScene& scene)
{
    s.ForeColor = scene.foreColor;
    s.BoxFilled(15.0f, 15.0f, cellEdge(scene.width + 1), cellEdge(scene.height + 1));
}

void lineBetween(Surface& s, int x1, int y1, int x2, int y2)
{
    s.Line(centre(x1), centre(y1), centre(x2), centre(y2));
}

void closingSteps(Surface& s, const MazeScene& scene)
{
    s.DrawWidth = 1;
    drawGoalDot(s, scene);
    drawStatusLines(s, scene);
}

}  // namespace

void referenceDrawLines(Surface& s, const MazeScene& scene)
{
    const MazeGrid& m = scene.maze;
    const int W = scene.width;
    const int H = scene.height;

    fillMazeRectangle(s, scene);
    s.ForeColor = scene.backColor;
    s.DrawWidth = kThickPen;
    for (int y = 0; y <= H; ++y) {
        for (int x = 0; x <= W; ++x) {
            if (m(x, y) != 0)
                continue;
            if (m(x + 1, y) == 0)
                lineBetween(s, x, y, x + 1, y);
            if (m(x, y + 1) == 0)
                lineBetween(s, x, y, x, y + 1);
            if (m(x + 1, y + 1) == 0)
                lineBetween(s, x, y, x + 1, y + 1);
            if (y > 0 && m(x + 1, y - 1) == 0)
                lineBetween(s, x, y, x + 1, y - 1);
            if (x > 0 && m(x - 1, y + 1) == 0)
                lineBetween(s, x, y, x - 1, y + 1);
        }
    }
    s.Box(15.0f, 15.0f, cellEdge(W + 1), cellEdge(H + 1));
    closingSteps(s, scene);
}

void referenceDrawStyle2(Surface& s, const MazeScene& scene)
{
    const MazeGrid& m = scene.maze;
    fillMazeRectangle(s, scene);
    s.ForeColor = scene.backColor;
    for (int y = 0; y <= scene.height; ++y)
        for (int x = 0; x <= scene.width; ++x)
            if (m(x, y) == 0)
                s.BoxFilled(cellEdge(x), cellEdge(y), cellEdge(x + 1), cellEdge(y + 1));
    closingSteps(s, scene);
}

void referenceDrawStyle3(Surface& s, const MazeScene& scene)
{
    const MazeGrid& m = scene.maze;
    s.Cls();
    s.ForeColor = scene.foreColor;
    s.DrawWidth = kThickPen;
    for (int y = 0; y <= scene.height; ++y) {
        for (int x = 0; x <= scene.width; ++x) {
            if (m(x, y) == 0)
                continue;
            if (m(x + 1, y) != 0)
                lineBetween(s, x, y, x + 1, y);
            if (m(x, y + 1) != 0)
                lineBetween(s, x, y, x, y + 1);
        }
    }
    closingSteps(s, scene);
}

void referenceDrawInStyle(Surface& s, const MazeScene& scene, std::int16_t styleIndex)
{
    switch (styleIndex) {
    case 0: referenceDrawLines(s, scene); break;
    case 1: referenceDrawStyle2(s, scene); break;
    case 2: referenceDrawStyle3(s, scene); break;
    default: break;
    }
}

