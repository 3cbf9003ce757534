// The oracle: every stroke and box of a style drawn whole, in the order the
// game first drew them.
#include "support/reference_drawing.h"

#include "common/cell_geometry.h"
#include "platform/surface/colours.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

constexpr std::int16_t kThickPen = 12;

float centre(int n)
{
    return cellCentre(static_cast<std::int16_t>(n));
}

void fillMazeRectangle(ReferenceSurface& s, const MazeScene& scene)
{
    s.ForeColor = scene.foreColor;
    s.BoxFilled(15.0f, 15.0f, cellEdge(scene.width + 1), cellEdge(scene.height + 1));
}

void lineBetween(ReferenceSurface& s, int x1, int y1, int x2, int y2)
{
    s.Line(centre(x1), centre(y1), centre(x2), centre(y2));
}

void closingSteps(ReferenceSurface& s, const MazeScene& scene)
{
    s.DrawWidth = 1;
    drawGoalDot(s, scene);
    drawStatusLines(s, scene);
}

}  // namespace

void ReferenceSurface::Line(float x1, float y1, float x2, float y2)
{
    QImage& picture = canvas();
    if (picture.isNull())
        return;
    const PixelScale scale = std::llround(QPainter(&picture).deviceTransform().m11() * 65536);
    // Each end is the centre of its cell's device pixels, in half pixels.
    auto end = [scale](float c) { return std::int64_t {devicePixel(int(c - 7.5f), scale)} + devicePixel(int(c + 7.5f), scale); };
    const Stroke stroke {end(x1), end(y1), end(x2), end(y2), std::max<int>(DrawWidth, 1), scale};
    const QRgb ink = platform::toQColor(ForeColor).rgb();
    const int reach = static_cast<int>(DrawWidth * scale / 65536) + 2;
    const QRect area = QRect(QPoint(int(stroke.ax / 2), int(stroke.ay / 2)), QPoint(int(stroke.bx / 2), int(stroke.by / 2)))
                           .normalized().adjusted(-reach, -reach, reach, reach) & picture.rect();
    // What a stroke covers of a row of pixels is one run, found from its ends.
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int first = area.left();
        while (first <= area.right() && !covers(stroke, first, y))
            ++first;
        int last = area.right();
        while (last > first && !covers(stroke, last, y))
            --last;
        if (first <= area.right())
            std::fill(reinterpret_cast<QRgb*>(picture.scanLine(y)) + first,
                      reinterpret_cast<QRgb*>(picture.scanLine(y)) + last + 1, ink);
    }
    const qreal half = DrawWidth / 2.0 + 1;
    changed(QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2), std::max(y1, y2)))
                .adjusted(-half, -half, half, half));
}

void ReferenceSurface::BoxFilled(float x1, float y1, float x2, float y2)
{
    QImage& picture = canvas();
    if (picture.isNull())
        return;
    QPainter p(&picture);
    const QRectF box = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    p.fillRect(box, platform::toQColor(ForeColor));
    changed(box);
}

void referenceDrawLines(ReferenceSurface& s, const MazeScene& scene)
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

void referenceDrawStyle2(ReferenceSurface& s, const MazeScene& scene)
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

void referenceDrawStyle3(ReferenceSurface& s, const MazeScene& scene)
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

void referenceDrawInStyle(ReferenceSurface& s, const MazeScene& scene, std::int16_t styleIndex)
{
    switch (styleIndex) {
    case 0: referenceDrawLines(s, scene); break;
    case 1: referenceDrawStyle2(s, scene); break;
    case 2: referenceDrawStyle3(s, scene); break;
    default: break;
    }
}

