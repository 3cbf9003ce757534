// Reads the game's picture back from screenshots of its client area: the
// maze, the two dots and the text lines, and waits for the screen to show a
// state the test expects.
#pragma once

#include "e2e/x_session.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

constexpr int kCell = 15;

inline const QColor kPlayer(0, 192, 0);
inline const QColor kGoal(0, 0, 255);

// Row 0 lies under the high-score line as far as this column.
constexpr int kTextColumns = 30;

struct Palette {
    QColor fore;  // passages and text
    QColor back;  // walls and background
};

// The colour as Style.dat stores it: red in the low byte.
int colourWord(const QColor& c);

bool near(QRgb pixel, const QColor& colour, int tolerance = 12);
QString describe(QRgb pixel);

// The pixel whose square holds the centre 15n + 22.5 of cell n.
int centreOf(int n);

// Where the high-score line may paint: the top margin and the upper part of
// row 0, as far as column kTextColumns.
QRect highScoreArea();
QRect clockLine(int H);

// The maze as the screen shows it: which cells of columns 0..W and rows 0..H
// are open.
struct Maze {
    int W = 0;
    int H = 0;
    std::vector<bool> open;

    bool isOpen(QPoint c) const
    {
        return c.x() >= 0 && c.y() >= 0 && c.x() <= W && c.y() <= H && open[index(c)];
    }
    std::size_t index(QPoint c) const { return std::size_t(c.y() * (W + 1) + c.x()); }
    bool operator==(const Maze&) const = default;
};

// From the colour at each cell centre: the wall colour, the passage colour,
// or one of the dots, which only ever lie on passages. Serves every style.
std::optional<Maze> readMaze(const QImage& image, int W, int H, const Palette& palette, QString* why);

// For the style that fills each cell's square: every pixel of every square
// must be exactly the wall or the passage colour, apart from the dots and
// the high-score line.
std::optional<Maze> readSquares(const QImage& image, int W, int H, const Palette& palette, QString* why);

// Empty when the maze has the shape of a dug maze, else what is wrong.
QString shapeProblem(const Maze& maze);

std::optional<QPoint> startCell(const Maze& maze);

// A dot of one colour: the box around all pixels of that colour, and the
// cell whose centre it sits on when it is a single small disc there.
struct Dot {
    QRect box;
    int pixels = 0;
    bool single = false;
    QPoint cell;
};

std::optional<Dot> findDot(const QImage& image, const QColor& colour);
QString where(const std::optional<Dot>& dot);

int countNear(const QImage& image, const QRect& area, const QColor& colour);
// Empty when every pixel of the area is near the colour, else the first
// pixel that is not.
QString uniformProblem(const QImage& image, const QRect& area, const QColor& colour, const char* what);

// A picture of a game in progress: a readable maze with the player on its
// start cell.
struct Scene {
    QImage image;
    Maze maze;
    QPoint start;
};

// Polls screenshots until the window shows a W x H maze (other than
// `unlike`, when given) with the player on its start cell.
std::optional<Scene> waitForScene(const XSession& session, WindowId window, QSize client, int W, int H,
                                  const Palette& palette, const Maze* unlike, int timeoutMs, QString* why);

// The first screenshot with the player on the cell; null after the time-out.
QImage waitForPlayerAt(const XSession& session, WindowId window, QPoint cell, int timeoutMs, QString* why);

// The first screenshot whose clock line differs from the one in `before`.
QImage waitForClockTick(const XSession& session, WindowId window, const QImage& before, int H, int timeoutMs);

// A short pause between two looks at something a test waits for.
void pollPause();
