// End-to-end tests: the real game in an X server of its own, driven with keys
// and window sizes, and read back from screenshots of its client area.
#include "e2e/x_session.h"

#include <QColor>
#include <QElapsedTimer>
#include <QFile>
#include <QPoint>
#include <QRect>
#include <QThread>
#include <QtTest>

#include <cmath>
#include <memory>
#include <optional>
#include <vector>

namespace {

const QString kTitle = QStringLiteral("^Orvo$");
constexpr QSize kStartClient(666, 386);
constexpr int kStartW = 42;
constexpr int kStartH = 21;
constexpr int kCell = 15;
constexpr int kWaitMs = 15000;
constexpr int kPollMs = 50;

const QColor kPlayer(0, 192, 0);
const QColor kGoal(0, 0, 255);

// Row 0 lies under the high-score line as far as this column.
constexpr int kTextColumns = 30;

struct Palette {
    QColor fore;
    QColor back;
};

int colourWord(const QColor& c)
{
    return c.red() + 256 * c.green() + 65536 * c.blue();
}

bool near(QRgb pixel, const QColor& colour, int tolerance = 12)
{
    return std::abs(qRed(pixel) - colour.red()) <= tolerance && std::abs(qGreen(pixel) - colour.green()) <= tolerance
        && std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

QString describe(QRgb pixel)
{
    return QColor(pixel).name();
}

// The pixel whose square holds the centre 15n + 22.5 of cell n.
int centreOf(int n)
{
    return kCell * n + 22;
}

void pollPause()
{
    QThread::msleep(kPollMs);
}

// The maze as the screen shows it: which cells of columns 0..W and rows 0..H
// are open.
struct Maze {
    int W = 0;
    int H = 0;
    std::vector<bool> open;

    bool isOpen(QPoint c) const
    {
        return c.x() >= 0 && c.y() >= 0 && c.x() <= W && c.y() <= H && open[std::size_t(c.y() * (W + 1) + c.x())];
    }
    bool operator==(const Maze&) const = default;
};

// Each cell centre shows the wall colour or the passage colour, or one of
// the dots, which only ever lie on passages.
std::optional<Maze> readMaze(const QImage& image, int W, int H, const Palette& palette, QString* why)
{
    if (image.width() < kCell * W + 30 || image.height() < kCell * H + 30) {
        *why = QStringLiteral("the window is too small for a %1 x %2 maze").arg(W).arg(H);
        return std::nullopt;
    }
    Maze maze {W, H, std::vector<bool>(std::size_t((W + 1) * (H + 1)), false)};
    for (int y = 0; y <= H; ++y) {
        for (int x = 0; x <= W; ++x) {
            if (y == 0 && x < kTextColumns)
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
            maze.open[std::size_t(y * (W + 1) + x)] = open;
        }
    }
    return maze;
}

QString frameProblem(const Maze& maze)
{
    for (int x = 0; x <= maze.W; ++x) {
        for (int y : {0, maze.H}) {
            if (maze.isOpen({x, y}))
                return QStringLiteral("frame cell (%1, %2) is open").arg(x).arg(y);
        }
    }
    for (int y = 0; y <= maze.H; ++y) {
        for (int x : {0, maze.W}) {
            if (maze.isOpen({x, y}))
                return QStringLiteral("frame cell (%1, %2) is open").arg(x).arg(y);
        }
    }
    return {};
}

std::optional<QPoint> startCell(const Maze& maze)
{
    for (QPoint c : {QPoint(1, 1), QPoint(2, 1), QPoint(1, 2)}) {
        if (maze.isOpen(c))
            return c;
    }
    return std::nullopt;
}

// The open cells that cannot be reached from `from` by steps between open
// neighbours; a dug maze has none.
int unreachableCells(const Maze& maze, QPoint from)
{
    std::vector<bool> seen(maze.open.size(), false);
    std::vector<QPoint> todo {from};
    auto index = [&](QPoint c) { return std::size_t(c.y() * (maze.W + 1) + c.x()); };
    seen[index(from)] = true;
    while (!todo.empty()) {
        const QPoint c = todo.back();
        todo.pop_back();
        for (QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint next = c + step;
            if (maze.isOpen(next) && !seen[index(next)]) {
                seen[index(next)] = true;
                todo.push_back(next);
            }
        }
    }
    int missed = 0;
    for (std::size_t i = 0; i < seen.size(); ++i)
        missed += maze.open[i] && !seen[i];
    return missed;
}

// A dot of one colour: the box around all pixels of that colour, and the
// cell whose centre it sits on when it is a single small disc there.
struct Dot {
    QRect box;
    int pixels = 0;
    bool single = false;
    QPoint cell;
};

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

QRect clockLine(int H)
{
    return QRect(30, kCell * H + 30, 300, 26);
}

// A picture of a game in progress: a readable maze with the player on its
// start cell.
struct Scene {
    QImage image;
    Maze maze;
    QPoint start;
};

// How far a held arrow key takes the player straight on from the start,
// and the key that brings it back.
struct Route {
    QString key;
    QString back;
    int length = 0;
    QPoint end;
};

// Cells open straight ahead before the first wall; -1 when the way crosses
// the goal, which would end the game.
int runLength(const Maze& maze, QPoint from, QPoint step, QPoint goal)
{
    int length = 0;
    for (QPoint c = from + step; maze.isOpen(c); c += step) {
        if (c == goal)
            return -1;
        ++length;
    }
    return length;
}

Route longestRoute(const Maze& maze, QPoint start, QPoint goal)
{
    const int right = runLength(maze, start, {1, 0}, goal);
    const int down = runLength(maze, start, {0, 1}, goal);
    if (right >= down)
        return {QStringLiteral("Right"), QStringLiteral("Left"), right, start + QPoint(right, 0)};
    return {QStringLiteral("Down"), QStringLiteral("Up"), down, start + QPoint(0, down)};
}

}  // namespace

class E2eTest : public QObject {
    Q_OBJECT

private:
    QMap<QString, QByteArray> dataFiles(const Palette& palette) const
    {
        return {
            {QStringLiteral("High.dat"), highFile_},
            {QStringLiteral("Orvo.dat"), QByteArray("\"Ann\"\r\n")},
            {QStringLiteral("Style.dat"), QByteArray::number(colourWord(palette.fore)) + ','
                                              + QByteArray::number(colourWord(palette.back)) + ",0\r\n"},
        };
    }

    // Polls screenshots until the window shows a W x H maze (other than
    // `unlike`, when given) with the player on its start cell.
    std::optional<Scene> waitForScene(WindowId window, QSize client, int W, int H, const Palette& palette,
                                      const Maze* unlike, QString* why) const
    {
        QElapsedTimer clock;
        clock.start();
        *why = QStringLiteral("no screenshot of the window could be taken");
        do {
            const QImage image = session_->grab(window);
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
        } while (clock.elapsed() < kWaitMs);
        return std::nullopt;
    }

    QImage waitForPlayerAt(WindowId window, QPoint cell, int timeoutMs, QString* why) const
    {
        QElapsedTimer clock;
        clock.start();
        *why = QStringLiteral("no screenshot of the window could be taken");
        do {
            const QImage image = session_->grab(window);
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

    // The first screenshot whose clock line differs from the one in `before`.
    QImage waitForClockTick(WindowId window, const QImage& before, int H) const
    {
        const QImage line = before.copy(clockLine(H));
        QElapsedTimer clock;
        clock.start();
        do {
            const QImage image = session_->grab(window);
            if (!image.isNull() && image.size() == before.size() && image.copy(clockLine(H)) != line)
                return image;
            pollPause();
        } while (clock.elapsed() < kWaitMs);
        return {};
    }

    std::unique_ptr<XSession> session_;
    QByteArray highFile_;
    const Palette pale_ {QColor(255, 255, 192), QColor(32, 32, 96)};

private Q_SLOTS:
    void initTestCase()
    {
        const QStringList missing = XSession::missingTools();
        if (!missing.isEmpty())
            QSKIP(qPrintable(QStringLiteral("the end-to-end tests need these tools: ") + missing.join(u' ')));
        QFile high(QStringLiteral(ORVO_SOURCE_DIR "/data/High.dat"));
        QVERIFY2(high.open(QIODevice::ReadOnly), "the repository's data/High.dat cannot be read");
        highFile_ = high.readAll();

        session_ = std::make_unique<XSession>();
        QString why;
        QVERIFY2(session_->start(&why), qPrintable(why));
    }

    void cleanupTestCase() { session_.reset(); }

    // The first picture: window size, the maze with its frame, both dots,
    // both text lines and the margins, in the colours of Style.dat.
    void startPicture_data()
    {
        QTest::addColumn<QColor>("fore");
        QTest::addColumn<QColor>("back");
        QTest::newRow("pale_on_navy") << QColor(255, 255, 192) << QColor(32, 32, 96);
        QTest::newRow("navy_on_sand") << QColor(30, 60, 140) << QColor(230, 220, 160);
    }

    void startPicture()
    {
        QFETCH(QColor, fore);
        QFETCH(QColor, back);
        const Palette palette {fore, back};
        GameRun game(*session_);
        QString why;
        QVERIFY2(game.start(dataFiles(palette), &why), qPrintable(why));
        const std::optional<WindowId> window = session_->waitForWindow(kTitle, kWaitMs);
        QVERIFY2(window, "no window titled Orvo appeared");
        QCOMPARE(session_->clientSize(*window), kStartClient);

        const std::optional<Scene> scene = waitForScene(*window, kStartClient, kStartW, kStartH, palette, nullptr, &why);
        QVERIFY2(scene, qPrintable(why));
        const Maze& maze = scene->maze;
        const QImage& image = scene->image;
        const QString frame = frameProblem(maze);
        QVERIFY2(frame.isEmpty(), qPrintable(frame));
        const int missed = unreachableCells(maze, scene->start);
        QVERIFY2(missed == 0, qPrintable(QStringLiteral("%1 passage cells cannot be reached from the start").arg(missed)));

        const std::optional<Dot> goal = findDot(image, kGoal);
        QVERIFY2(goal && goal->single, qPrintable(QStringLiteral("the blue dot is ") + where(goal)));
        QCOMPARE(goal->cell.x(), kStartW - 1);
        QVERIFY2(goal->cell.y() >= 0 && goal->cell.y() < kStartH, qPrintable(where(goal)));

        const int w = image.width();
        const int h = image.height();
        const int bottom = kCell * kStartH + 30;
        for (const QString& problem :
             {uniformProblem(image, QRect(0, 0, 27, h), back, "left margin"),
              uniformProblem(image, QRect(kCell * kStartW + 17, 0, w, h), back, "right margin"),
              uniformProblem(image, QRect(0, bottom - 13, w, 13), back, "band under the maze"),
              uniformProblem(image, QRect(0, bottom + 27, w, h), back, "strip under the clock line")})
            QVERIFY2(problem.isEmpty(), qPrintable(problem));

        QVERIFY2(countNear(image, QRect(30, 0, 300, 27), fore) >= 40, "no high-score line above the maze");
        QVERIFY2(countNear(image, clockLine(kStartH), fore) >= 40, "no clock line under the maze");
    }

    // A held arrow key walks the player along a corridor to the wall and no
    // further; the opposite key walks it back.
    void heldArrowWalksToWall()
    {
        GameRun game(*session_);
        QString why;
        QVERIFY2(game.start(dataFiles(pale_), &why), qPrintable(why));
        const std::optional<WindowId> window = session_->waitForWindow(kTitle, kWaitMs);
        QVERIFY2(window, "no window titled Orvo appeared");
        QVERIFY2(session_->activate(*window), "the game window could not be activated");

        std::optional<Scene> scene = waitForScene(*window, kStartClient, kStartW, kStartH, pale_, nullptr, &why);
        QVERIFY2(scene, qPrintable(why));
        Route route;
        for (int attempt = 1;; ++attempt) {
            const std::optional<Dot> goal = findDot(scene->image, kGoal);
            QVERIFY2(goal && goal->single, qPrintable(QStringLiteral("the blue dot is ") + where(goal)));
            route = longestRoute(scene->maze, scene->start, goal->cell);
            if (route.length >= 2)
                break;
            QVERIFY2(attempt < 10, "ten mazes in a row had no straight corridor of two cells from the start");
            const Maze previous = scene->maze;
            QVERIFY(session_->key(QStringLiteral("n")));
            scene = waitForScene(*window, kStartClient, kStartW, kStartH, pale_, &previous, &why);
            QVERIFY2(scene, qPrintable(QStringLiteral("after N: ") + why));
        }

        {
            QElapsedTimer walk;
            walk.start();
            const KeyHold hold(*session_, route.key);
            QVERIFY2(hold.pressed(), "the arrow key could not be pressed");
            const QImage arrived = waitForPlayerAt(*window, route.end, kWaitMs, &why);
            QVERIFY2(!arrived.isNull(), qPrintable(route.key + QStringLiteral(" held: ") + why));
            // One cell per 100 ms tick; the first tick may come at once and
            // a late tick may be followed by an early one.
            const qint64 least = std::max(0, route.length - 2) * 85;
            QVERIFY2(walk.elapsed() >= least,
                     qPrintable(QStringLiteral("%1 cells took only %2 ms").arg(route.length).arg(walk.elapsed())));

            const QImage later = waitForClockTick(*window, arrived, kStartH);
            QVERIFY2(!later.isNull(), "the clock line did not change within the wait");
            const std::optional<Dot> player = findDot(later, kPlayer);
            QVERIFY2(player && player->single && player->cell == route.end,
                     qPrintable(QStringLiteral("still holding the key, the green dot went ") + where(player)));
        }
        {
            const KeyHold hold(*session_, route.back);
            QVERIFY2(hold.pressed(), "the arrow key could not be pressed");
            const QImage back = waitForPlayerAt(*window, scene->start, kWaitMs, &why);
            QVERIFY2(!back.isNull(), qPrintable(route.back + QStringLiteral(" held: ") + why));
        }
    }

    // N, in either case, deals a new maze with the player back on its start.
    void keyNStartsNewGame()
    {
        GameRun game(*session_);
        QString why;
        QVERIFY2(game.start(dataFiles(pale_), &why), qPrintable(why));
        const std::optional<WindowId> window = session_->waitForWindow(kTitle, kWaitMs);
        QVERIFY2(window, "no window titled Orvo appeared");
        QVERIFY2(session_->activate(*window), "the game window could not be activated");
        std::optional<Scene> scene = waitForScene(*window, kStartClient, kStartW, kStartH, pale_, nullptr, &why);
        QVERIFY2(scene, qPrintable(why));

        for (const QString& key : {QStringLiteral("n"), QStringLiteral("shift+n")}) {
            const Maze previous = scene->maze;
            QVERIFY(session_->key(key));
            scene = waitForScene(*window, kStartClient, kStartW, kStartH, pale_, &previous, &why);
            QVERIFY2(scene, qPrintable(QStringLiteral("after %1: ").arg(key) + why));
        }
    }

    // Esc ends the game at once with status 0 and writes nothing.
    void escapeEndsGame()
    {
        GameRun game(*session_);
        QString why;
        const QMap<QString, QByteArray> files = dataFiles(pale_);
        QVERIFY2(game.start(files, &why), qPrintable(why));
        const std::optional<WindowId> window = session_->waitForWindow(kTitle, kWaitMs);
        QVERIFY2(window, "no window titled Orvo appeared");
        QVERIFY2(session_->activate(*window), "the game window could not be activated");
        QVERIFY2(waitForScene(*window, kStartClient, kStartW, kStartH, pale_, nullptr, &why), qPrintable(why));

        QVERIFY(session_->key(QStringLiteral("Escape")));
        const ExitResult exit = game.waitForExit(kWaitMs);
        QVERIFY2(exit.kind != ExitResult::StillRunning, "the game still runs after Esc");
        QCOMPARE(exit.kind, ExitResult::Exited);
        QCOMPARE(exit.code, 0);
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            QVERIFY2(game.fileBytes(it.key()) == it.value(), qPrintable(it.key() + QStringLiteral(" was changed")));
    }

    // A data file that is missing or holds no record stops the start with a
    // message naming it, on screen and on standard error, and a failure
    // status; no data file is created or changed.
    void brokenDataFileStopsStart_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("present");
        QTest::newRow("high_missing") << QStringLiteral("High.dat") << false;
        QTest::newRow("name_missing") << QStringLiteral("Orvo.dat") << false;
        QTest::newRow("style_missing") << QStringLiteral("Style.dat") << false;
        QTest::newRow("style_without_record") << QStringLiteral("Style.dat") << true;
    }

    void brokenDataFileStopsStart()
    {
        QFETCH(QString, file);
        QFETCH(bool, present);
        QMap<QString, QByteArray> files = dataFiles(pale_);
        if (present)
            files[file] = QByteArray();
        else
            files.remove(file);
        GameRun game(*session_);
        QString why;
        QVERIFY2(game.start(files, &why), qPrintable(why));

        const std::optional<WindowId> box = session_->waitForWindow(kTitle, kWaitMs);
        QVERIFY2(box, "no message titled Orvo appeared");
        for (WindowId window : session_->findWindows(kTitle))
            QVERIFY2(session_->clientSize(window) != kStartClient, "the game window opened despite the bad file");
        QVERIFY2(session_->activate(*box), "the message could not be activated");
        QVERIFY(session_->key(QStringLiteral("Return")));

        const ExitResult exit = game.waitForExit(kWaitMs);
        QVERIFY2(exit.kind != ExitResult::StillRunning, "the game still runs after the message was answered");
        QCOMPARE(exit.kind, ExitResult::Exited);
        QVERIFY2(exit.code != 0, "the game ended with status 0");
        const QByteArray err = game.standardError();
        QVERIFY2(err.contains(file.toLatin1()), qPrintable(QStringLiteral("standard error: ") + QString::fromLocal8Bit(err)));
        for (const QString& name : {QStringLiteral("High.dat"), QStringLiteral("Orvo.dat"), QStringLiteral("Style.dat")}) {
            const std::optional<QByteArray> expected =
                files.contains(name) ? std::optional<QByteArray>(files.value(name)) : std::nullopt;
            QVERIFY2(game.fileBytes(name) == expected, qPrintable(name + QStringLiteral(" was changed")));
        }
    }

    // Every accepted size deals a new maze that fills the window; a window
    // too narrow or too low is put back to the smallest size first.
    void resizeDealsNewMaze_data()
    {
        QTest::addColumn<QSize>("request");
        QTest::addColumn<QSize>("settled");
        QTest::addColumn<int>("W");
        QTest::addColumn<int>("H");
        QTest::newRow("too_small") << QSize(400, 300) << kStartClient << kStartW << kStartH;
        QTest::newRow("too_narrow") << QSize(500, 386) << kStartClient << kStartW << kStartH;
        QTest::newRow("too_low") << QSize(666, 250) << kStartClient << kStartW << kStartH;
        QTest::newRow("larger") << QSize(900, 500) << QSize(900, 500) << 58 << 29;
    }

    void resizeDealsNewMaze()
    {
        QFETCH(QSize, request);
        QFETCH(QSize, settled);
        QFETCH(int, W);
        QFETCH(int, H);
        GameRun game(*session_);
        QString why;
        QVERIFY2(game.start(dataFiles(pale_), &why), qPrintable(why));
        const std::optional<WindowId> window = session_->waitForWindow(kTitle, kWaitMs);
        QVERIFY2(window, "no window titled Orvo appeared");
        const std::optional<Scene> before = waitForScene(*window, kStartClient, kStartW, kStartH, pale_, nullptr, &why);
        QVERIFY2(before, qPrintable(why));

        QVERIFY(session_->resize(*window, request));
        const std::optional<Scene> after = waitForScene(*window, settled, W, H, pale_, &before->maze, &why);
        QVERIFY2(after, qPrintable(QStringLiteral("after resizing: ") + why));
        QCOMPARE(session_->clientSize(*window), settled);
        const QString frame = frameProblem(after->maze);
        QVERIFY2(frame.isEmpty(), qPrintable(frame));
        const std::optional<Dot> goal = findDot(after->image, kGoal);
        QVERIFY2(goal && goal->single, qPrintable(QStringLiteral("the blue dot is ") + where(goal)));
        QCOMPARE(goal->cell.x(), W - 1);
        QVERIFY2(countNear(after->image, clockLine(H), pale_.fore) >= 40, "no clock line under the maze");
    }
};

QTEST_GUILESS_MAIN(E2eTest)
#include "test_e2e.moc"
