// Reading the maze, the dots and the text lines off screenshots of the
// game, and the polling waits built on it.
#include "e2e/screen_reading.h"

#include "support/maze_shape.h"

#include <QElapsedTimer>
#include <QThread>

#include <cmath>

namespace {

constexpr int kPollMs = 50;

bool exactly(QRgb pixel, const QColor& colour)
{
    return qRed(pixel) == colour.red() && qGreen(pixel) == colour.green() && qBlue(pixel) == colour.blue();
}

bool dotColoured(QRgb pixel)
{
    return near(pixel, kPlayer, 8) || near(pixel, kGoal, 8);
}

}  // namespace

int colourWord(const QColor& c)
{
    return c.red() + 256 * c.green() + 65536 * c.blue();
}

bool near(QRgb pixel, const QColor& colour, int tolerance)
{
    return std::abs(qRed(pixel) - colour.red()) <= tolerance && std::abs(qGreen(pixel) - colour.green()) <= tolerance
        && std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

QString describe(QRgb pixel)
{
    return QColor(pixel).name();
}

int centreOf(int n)
{
    return kCell * n + 22;
}

QRect highScoreArea()
{
    return QRect(0, 0, kCell * kTextColumns + 15, 28);
}

QRect clockLine(int H)
{
    return QRect(30, kCell * H + 30, 300, 26);
}

std::optional<Maze> readMaze(const QImage& image, int W, int H, const Palette& palette, QString* why)
{
    if (image.width() < kCell * W + 30 || image.height() < kCell * H + 30) {
        *why = QStringLiteral("the window is too small for a %1 x %2 maze").arg(W).arg(H);
        return std::nullopt;
    }
    Maze maze {W, H, std::vector<bool>(std::size_t((W + 1) * (H + 1)), false)};
    for (int y = 0; y <= H; ++y) {
        for (int x = 0; x <= W; ++x) {
            if (highScoreArea().contains(centreOf(x), centreOf(y)))
                continue;
            const QRgb pixel = image.pixel(centreOf(x), centreOf(y));
            bool open = false;
            if (near(pixel, palette.fore) || near(pixel, kPlayer) || (near(pixel, kGoal) && y > 0))
                open = true;
            else if (!near(pixel, palette.back) && !near(pixel, kGoal)) {
                *why = QStringLiteral("cell (%1, %2) shows %3, neither wall nor passage colour")
                           .arg(x)
                           .arg(y)
                           .arg(describe(pixel));
                return std::nullopt;
            }
            maze.open[maze.index({x, y})] = open;
        }
    }
    return maze;
}

std::optional<Maze> readSquares(const QImage& image, int W, int H, const Palette& palette, QString* why)
{
    if (image.width() < kCell * W + 30 || image.height() < kCell * H + 30) {
        *why = QStringLiteral("the window is too small for a %1 x %2 maze").arg(W).arg(H);
        return std::nullopt;
    }
    // A dot is a small disc round the cell's centre; its colour anywhere
    // else in a square is a fault.
    const QRect dotArea(2, 2, kCell - 4, kCell - 4);
    Maze maze {W, H, std::vector<bool>(std::size_t((W + 1) * (H + 1)), false)};
    for (int y = 0; y <= H; ++y) {
        for (int x = 0; x <= W; ++x) {
            const QPoint corner(kCell * x + 15, kCell * y + 15);
            int fore = 0;
            int back = 0;
            for (int dy = 0; dy < kCell; ++dy) {
                for (int dx = 0; dx < kCell; ++dx) {
                    const QPoint p = corner + QPoint(dx, dy);
                    if (highScoreArea().contains(p))
                        continue;
                    const QRgb pixel = image.pixel(p);
                    if (exactly(pixel, palette.fore))
                        ++fore;
                    else if (exactly(pixel, palette.back))
                        ++back;
                    else if (!dotColoured(pixel) || !dotArea.contains(dx, dy)) {
                        *why = QStringLiteral("pixel (%1, %2) of cell (%3, %4) is %5, neither wall nor passage colour")
                                   .arg(p.x())
                                   .arg(p.y())
                                   .arg(x)
                                   .arg(y)
                                   .arg(describe(pixel));
                        return std::nullopt;
                    }
                }
            }
            if (fore > 0 && back > 0) {
                *why = QStringLiteral("cell (%1, %2) is part wall colour (%3 pixels), part passage colour (%4)")
                           .arg(x)
                           .arg(y)
                           .arg(back)
                           .arg(fore);
                return std::nullopt;
            }
            maze.open[maze.index({x, y})] = fore > 0;
        }
    }
    return maze;
}

QString shapeProblem(const Maze& maze)
{
    return mazeShape(maze.W, maze.H, [&maze](int x, int y) { return maze.isOpen({x, y}); }).problem;
}

std::optional<QPoint> startCell(const Maze& maze)
{
    for (QPoint c : {QPoint(1, 1), QPoint(2, 1), QPoint(1, 2)}) {
        if (maze.isOpen(c))
            return c;
    }
    return std::nullopt;
}

std::optional<Dot> findDot(const QImage& image, const QColor& colour)
{
    Dot dot;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (near(line[x], colour, 8)) {
                dot.box |= QRect(x, y, 1, 1);
                ++dot.pixels;
            }
        }
    }
    if (dot.pixels == 0)
        return std::nullopt;
    const double cx = (dot.box.left() + dot.box.right() + 1) / 2.0;
    const double cy = (dot.box.top() + dot.box.bottom() + 1) / 2.0;
    dot.cell = QPoint(int(std::lround((cx - 22.5) / kCell)), int(std::lround((cy - 22.5) / kCell)));
    const double dx = cx - (kCell * dot.cell.x() + 22.5);
    const double dy = cy - (kCell * dot.cell.y() + 22.5);
    // A disc of radius 3 spans about 7 pixels and covers some 20 to 40.
    dot.single = dot.box.width() <= 10 && dot.box.height() <= 10 && dot.pixels >= 9 && dot.pixels <= 60
        && std::abs(dx) <= 2 && std::abs(dy) <= 2;
    return dot;
}

QString where(const std::optional<Dot>& dot)
{
    if (!dot)
        return QStringLiteral("nowhere");
    if (!dot->single)
        return QStringLiteral("spread over %1,%2 %3x%4 (%5 pixels)")
            .arg(dot->box.x())
            .arg(dot->box.y())
            .arg(dot->box.width())
            .arg(dot->box.height())
            .arg(dot->pixels);
    return QStringLiteral("on cell (%1, %2)").arg(dot->cell.x()).arg(dot->cell.y());
}

int countNear(const QImage& image, const QRect& area, const QColor& colour)
{
    int count = 0;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            count += near(image.pixel(x, y), colour);
    }
    return count;
}

QString uniformProblem(const QImage& image, const QRect& area, const QColor& colour, const char* what)
{
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (!near(image.pixel(x, y), colour))
                return QStringLiteral("%1: pixel (%2, %3) is %4, not the wall colour %5")
                    .arg(QLatin1String(what))
                    .arg(x)
                    .arg(y)
                    .arg(describe(image.pixel(x, y)), colour.name());
        }
    }
    return {};
}

void pollPause()
{
    QThread::msleep(kPollMs);
}

std::optional<Scene> waitForScene(const XSession& session, WindowId window, QSize client, int W, int H,
                                  const Palette& palette, const Maze* unlike, int timeoutMs, QString* why)
{
    QElapsedTimer clock;
    clock.start();
    *why = QStringLiteral("no screenshot of the window could be taken");
    do {
        const QImage image = session.grab(window);
        if (image.isNull()) {
            pollPause();
            continue;
        }
        if (image.size() != client) {
            *why = QStringLiteral("the client area is %1 x %2").arg(image.width()).arg(image.height());
            pollPause();
            continue;
        }
        const std::optional<Maze> maze = readMaze(image, W, H, palette, why);
        if (!maze)
            continue;
        if (unlike && *maze == *unlike) {
            *why = QStringLiteral("the maze did not change");
            continue;
        }
        const std::optional<QPoint> start = startCell(*maze);
        if (!start) {
            *why = QStringLiteral("none of (1, 1), (2, 1), (1, 2) is open");
            continue;
        }
        const std::optional<Dot> player = findDot(image, kPlayer);
        if (player && player->single && player->cell == *start)
            return Scene {image, *maze, *start};
        *why = QStringLiteral("the green dot is %1, not on the start cell (%2, %3)")
                   .arg(where(player))
                   .arg(start->x())
                   .arg(start->y());
    } while (clock.elapsed() < timeoutMs);
    return std::nullopt;
}

QImage waitForPlayerAt(const XSession& session, WindowId window, QPoint cell, int timeoutMs, QString* why)
{
    QElapsedTimer clock;
    clock.start();
    *why = QStringLiteral("no screenshot of the window could be taken");
    do {
        const QImage image = session.grab(window);
        if (!image.isNull()) {
            const std::optional<Dot> player = findDot(image, kPlayer);
            if (player && player->single && player->cell == cell)
                return image;
            *why = QStringLiteral("the green dot stayed %1, never reached (%2, %3)")
                       .arg(where(player))
                       .arg(cell.x())
                       .arg(cell.y());
        }
        pollPause();
    } while (clock.elapsed() < timeoutMs);
    return {};
}

QImage waitForClockTick(const XSession& session, WindowId window, const QImage& before, int H, int timeoutMs)
{
    const QImage line = before.copy(clockLine(H));
    QElapsedTimer clock;
    clock.start();
    do {
        const QImage image = session.grab(window);
        if (!image.isNull() && image.size() == before.size() && image.copy(clockLine(H)) != line)
            return image;
        pollPause();
    } while (clock.elapsed() < timeoutMs);
    return {};
}
