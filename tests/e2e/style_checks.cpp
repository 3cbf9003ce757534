// The style checks: the places sampled and the colour each must show.
#include "e2e/style_checks.h"

#include <QRect>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Pixels a style check leaves alone: the high-score line and the two dots.
struct Covered {
    std::vector<QRect> areas;

    bool contains(QPoint p) const
    {
        return std::any_of(areas.begin(), areas.end(), [p](const QRect& r) { return r.contains(p); });
    }
};

Covered coveredBy(const QImage& image)
{
    Covered covered {{highScoreArea()}};
    for (const QColor& colour : {kPlayer, kGoal}) {
        if (const std::optional<Dot> dot = findDot(image, colour))
            covered.areas.push_back(dot->box.adjusted(-2, -2, 2, 2));
    }
    return covered;
}

// Checks the 2 x 2 pixels at `at` (their top-left one) against the colour.
bool checkBlock(const QImage& image, const Covered& covered, QPoint at, const QColor& want, const QString& what,
                StyleCheck& check)
{
    for (QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
        const QPoint p = at + d;
        if (covered.contains(p))
            continue;
        if (image.pixel(p) != want.rgb()) {
            check.problem = QStringLiteral("%1: pixel (%2, %3) is %4, not %5")
                                .arg(what)
                                .arg(p.x())
                                .arg(p.y())
                                .arg(describe(image.pixel(p)), want.name());
            return false;
        }
    }
    return true;
}

QString cellName(QPoint c)
{
    return QStringLiteral("(%1, %2)").arg(c.x()).arg(c.y());
}

}  // namespace

StyleCheck checkStyle(const QImage& image, const Maze& maze, const Palette& palette, int style)
{
    const Covered covered = coveredBy(image);
    StyleCheck check;
    auto expect = [&](QPoint at, bool fore, const QString& what) {
        return checkBlock(image, covered, at, fore ? palette.fore : palette.back, what, check);
    };
    for (int y = 0; y <= maze.H; ++y) {
        for (int x = 0; x <= maze.W; ++x) {
            const QPoint c(x, y);
            const bool open = maze.isOpen(c);
            if (!expect({centreOf(x), centreOf(y)}, open, QStringLiteral("centre of cell ") + cellName(c)))
                return check;
            for (QPoint step : {QPoint(1, 0), QPoint(0, 1)}) {
                const QPoint n = c + step;
                if (n.x() > maze.W || n.y() > maze.H)
                    continue;
                const QPoint edge =
                    step.x() ? QPoint(kCell * x + 29, centreOf(y)) : QPoint(centreOf(x), kCell * y + 29);
                const QString what = QStringLiteral("edge between cells %1 and %2").arg(cellName(c), cellName(n));
                if (open == maze.isOpen(n)) {
                    ++check.alike;
                    if (!expect(edge, open, what))
                        return check;
                    continue;
                }
                const QPoint passage = open ? c : n;
                const QPoint across(step.y(), step.x());
                if (style == 0 && !(maze.isOpen(passage + across) && maze.isOpen(passage - across)))
                    continue;
                ++check.unlike;
                if (!expect(edge, style == 0, what))
                    return check;
            }
            if (x == maze.W || y == maze.H)
                continue;
            const bool topLeft = open;
            const bool topRight = maze.isOpen(c + QPoint(1, 0));
            const bool bottomLeft = maze.isOpen(c + QPoint(0, 1));
            const bool bottomRight = maze.isOpen(c + QPoint(1, 1));
            const bool falling = topLeft && bottomRight && !topRight && !bottomLeft;
            const bool rising = topRight && bottomLeft && !topLeft && !bottomRight;
            if (!falling && !rising)
                continue;
            ++check.diagonals;
            const QString what = QStringLiteral("corner where cells %1 and %2 meet")
                                     .arg(cellName(falling ? c : c + QPoint(1, 0)),
                                          cellName(falling ? c + QPoint(1, 1) : c + QPoint(0, 1)));
            if (!expect({kCell * x + 29, kCell * y + 29}, false, what))
                return check;
        }
    }
    return check;
}
