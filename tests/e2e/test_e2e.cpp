// End-to-end tests: the real game in an X server of its own, driven with keys
// and window sizes, and read back from screenshots of its client area.
#include "e2e/screen_reading.h"
#include "e2e/style_checks.h"
#include "e2e/x_session.h"

#include <QColor>
#include <QElapsedTimer>
#include <QFile>
#include <QPoint>
#include <QRect>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

const QString kTitle = QStringLiteral("^Orvo$");
constexpr QSize kStartClient(666, 386);
constexpr int kStartW = 42;
constexpr int kStartH = 21;
constexpr int kWaitMs = 15000;

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

class E2eTest : public EndToEndTest {
    Q_OBJECT

private:
    QMap<QString, QByteArray> dataFiles(const Palette& palette, int style = 0) const
    {
        return {
            {QStringLiteral("High.dat"), highFile_},
            {QStringLiteral("Orvo.dat"), QByteArray("\"Ann\"\r\n")},
            {QStringLiteral("Style.dat"), QByteArray::number(colourWord(palette.fore)) + ','
                                              + QByteArray::number(colourWord(palette.back)) + ','
                                              + QByteArray::number(style) + "\r\n"},
        };
    }

    // Waits for a maze of the window's first size (other than `unlike`).
    std::optional<Scene> startSizeScene(WindowId window, const Palette& palette, const Maze* unlike, QString* why) const
    {
        return waitForScene(*session_, window, kStartClient, kStartW, kStartH, palette, unlike, kWaitMs, why);
    }

    const Palette pale_ {QColor(255, 255, 192), QColor(32, 32, 96)};

private Q_SLOTS:
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
        const std::optional<WindowId> window =
            game.startToWindow(dataFiles(palette), GameRun::Focus::Leave, kWaitMs, &why);
        QVERIFY2(window, qPrintable(why));
        QCOMPARE(session_->clientSize(*window), kStartClient);

        const std::optional<Scene> scene = startSizeScene(*window, palette, nullptr, &why);
        QVERIFY2(scene, qPrintable(why));
        const Maze& maze = scene->maze;
        const QImage& image = scene->image;
        const QString shape = shapeProblem(maze);
        QVERIFY2(shape.isEmpty(), qPrintable(shape));

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

    // Each drawing style (the third field of Style.dat) shows the maze by its
    // own rule, in the colours of Style.dat. Style index 1 fills each wall's
    // square, so it shows the maze exactly: one tree of passages inside a
    // wall frame, with the goal in the last passage column.
    void stylesShowTheMaze_data()
    {
        QTest::addColumn<int>("style");
        QTest::newRow("wall_strokes") << 0;
        QTest::newRow("wall_squares") << 1;
        QTest::newRow("passage_tracks") << 2;
    }

    void stylesShowTheMaze()
    {
        QFETCH(int, style);
        GameRun game(*session_);
        QString why;
        const std::optional<WindowId> window =
            game.startToWindow(dataFiles(pale_, style), GameRun::Focus::Leave, kWaitMs, &why);
        QVERIFY2(window, qPrintable(why));
        const std::optional<Scene> scene = startSizeScene(*window, pale_, nullptr, &why);
        QVERIFY2(scene, qPrintable(why));
        const std::optional<Dot> goal = findDot(scene->image, kGoal);
        QVERIFY2(goal && goal->single, qPrintable(QStringLiteral("the blue dot is ") + where(goal)));
        QCOMPARE(goal->cell.x(), kStartW - 1);

        if (style == 1) {
            const std::optional<Maze> exact = readSquares(scene->image, kStartW, kStartH, pale_, &why);
            QVERIFY2(exact, qPrintable(why));
            QVERIFY2(*exact == scene->maze, "the squares disagree with the cell centres");
            const QString shape = shapeProblem(*exact);
            QVERIFY2(shape.isEmpty(), qPrintable(shape));
        } else {
            const StyleCheck check = checkStyle(scene->image, scene->maze, pale_, style);
            QVERIFY2(check.problem.isEmpty(), qPrintable(check.problem));
            // Enough of each kind of place for the check to mean something.
            QVERIFY2(check.alike > 100 && check.unlike > 0 && check.diagonals > 0,
                     qPrintable(QStringLiteral("only %1 edges of one kind, %2 passage-wall edges and %3 "
                                               "diagonal corners checked")
                                    .arg(check.alike)
                                    .arg(check.unlike)
                                    .arg(check.diagonals)));
        }
    }

    // A held arrow key walks the player along a corridor to the wall and no
    // further; the opposite key walks it back.
    void heldArrowWalksToWall()
    {
        GameRun game(*session_);
        QString why;
        const std::optional<WindowId> window =
            game.startToWindow(dataFiles(pale_), GameRun::Focus::Take, kWaitMs, &why);
        QVERIFY2(window, qPrintable(why));

        std::optional<Scene> scene = startSizeScene(*window, pale_, nullptr, &why);
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
            scene = startSizeScene(*window, pale_, &previous, &why);
            QVERIFY2(scene, qPrintable(QStringLiteral("after N: ") + why));
        }

        {
            QElapsedTimer walk;
            walk.start();
            const KeyHold hold(*session_, route.key);
            QVERIFY2(hold.pressed(), "the arrow key could not be pressed");
            const QImage arrived = waitForPlayerAt(*session_, *window, route.end, kWaitMs, &why);
            QVERIFY2(!arrived.isNull(), qPrintable(route.key + QStringLiteral(" held: ") + why));
            // One cell per 100 ms tick; the first tick may come at once and
            // a late tick may be followed by an early one.
            const qint64 least = std::max(0, route.length - 2) * 85;
            QVERIFY2(walk.elapsed() >= least,
                     qPrintable(QStringLiteral("%1 cells took only %2 ms").arg(route.length).arg(walk.elapsed())));

            const QImage later = waitForClockTick(*session_, *window, arrived, kStartH, kWaitMs);
            QVERIFY2(!later.isNull(), "the clock line did not change within the wait");
            const std::optional<Dot> player = findDot(later, kPlayer);
            QVERIFY2(player && player->single && player->cell == route.end,
                     qPrintable(QStringLiteral("still holding the key, the green dot went ") + where(player)));
        }
        {
            const KeyHold hold(*session_, route.back);
            QVERIFY2(hold.pressed(), "the arrow key could not be pressed");
            const QImage back = waitForPlayerAt(*session_, *window, scene->start, kWaitMs, &why);
            QVERIFY2(!back.isNull(), qPrintable(route.back + QStringLiteral(" held: ") + why));
        }
    }

    // N, in either case, deals a new maze with the player back on its start.
    void keyNStartsNewGame()
    {
        GameRun game(*session_);
        QString why;
        const std::optional<WindowId> window =
            game.startToWindow(dataFiles(pale_), GameRun::Focus::Take, kWaitMs, &why);
        QVERIFY2(window, qPrintable(why));
        std::optional<Scene> scene = startSizeScene(*window, pale_, nullptr, &why);
        QVERIFY2(scene, qPrintable(why));

        for (const QString& key : {QStringLiteral("n"), QStringLiteral("shift+n")}) {
            const Maze previous = scene->maze;
            QVERIFY(session_->key(key));
            scene = startSizeScene(*window, pale_, &previous, &why);
            QVERIFY2(scene, qPrintable(QStringLiteral("after %1: ").arg(key) + why));
        }
    }

    // Esc ends the game at once with status 0 and writes nothing.
    void escapeEndsGame()
    {
        GameRun game(*session_);
        QString why;
        const QMap<QString, QByteArray> files = dataFiles(pale_);
        const std::optional<WindowId> window =
            game.startToWindow(files, GameRun::Focus::Take, kWaitMs, &why);
        QVERIFY2(window, qPrintable(why));
        QVERIFY2(startSizeScene(*window, pale_, nullptr, &why), qPrintable(why));

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
        const std::optional<WindowId> window =
            game.startToWindow(dataFiles(pale_), GameRun::Focus::Leave, kWaitMs, &why);
        QVERIFY2(window, qPrintable(why));
        const std::optional<Scene> before = startSizeScene(*window, pale_, nullptr, &why);
        QVERIFY2(before, qPrintable(why));

        QVERIFY(session_->resize(*window, request));
        const std::optional<Scene> after =
            waitForScene(*session_, *window, settled, W, H, pale_, &before->maze, kWaitMs, &why);
        QVERIFY2(after, qPrintable(QStringLiteral("after resizing: ") + why));
        QCOMPARE(session_->clientSize(*window), settled);
        const QString shape = shapeProblem(after->maze);
        QVERIFY2(shape.isEmpty(), qPrintable(shape));
        const std::optional<Dot> goal = findDot(after->image, kGoal);
        QVERIFY2(goal && goal->single, qPrintable(QStringLiteral("the blue dot is ") + where(goal)));
        QCOMPARE(goal->cell.x(), W - 1);
        QVERIFY2(countNear(after->image, clockLine(H), pale_.fore) >= 40, "no clock line under the maze");
    }
};

QTEST_GUILESS_MAIN(E2eTest)
#include "test_e2e.moc"
