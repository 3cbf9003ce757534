// End-to-end tests of the Info and Options windows: the real game in an X
// server of its own, its side windows opened with the I key and clicked with
// the pointer, and the main window read back from screenshots.
#include "e2e/screen_reading.h"
#include "e2e/style_checks.h"
#include "e2e/x_session.h"
#include "platform/text/translations.h"
#include "render/maze_renderer.h"
#include "side_windows/form2.h"
#include "support/test_game.h"

#include <QColor>
#include <QElapsedTimer>
#include <QFile>
#include <QPoint>
#include <QRect>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>
#include <optional>

namespace {

const QString kTitle = QStringLiteral("^Orvo$");
const QString kInfoTitle = QStringLiteral("^Info$");
const QString kOptionsTitle = QStringLiteral("^Options$");
constexpr QSize kStartClient(666, 386);
constexpr int kStartW = 42;
constexpr int kStartH = 21;
constexpr int kWaitMs = 15000;

constexpr QSize kInfoClient(411, 370);
constexpr QSize kOptionsClient(324, 239);
const QColor kSideBack(128, 128, 255);
const QColor kMarkerFill(255, 128, 128);
const QColor kYellow(255, 255, 0);

// Places on the Info window, in client pixels: below the logo and right of
// the Options frame nothing is drawn.
const QRect kInfoBlank(280, 314, 125, 50);
const QRect kInstructions(8, 8, 393, 225);
constexpr QPoint kInfoCloseLabel(68, 345);
constexpr QPoint kInfoOptionsLabel(204, 345);

// Places on the Options window. The red bar of the background colour spans
// rows 80 to 184 with its border; rows 81 and down lie inside it.
constexpr int kRedBackBarX = 88;
constexpr int kBarInside = 81;
constexpr QPoint kStyleLabels[] = {{56, 57}, {160, 57}, {264, 57}};
// Inside each style's frame, right of its label: the frame's fill shows
// there when the style is chosen.
constexpr QPoint kStylePlates[] = {{98, 56}, {202, 56}, {306, 56}};
constexpr QPoint kBackPreview(40, 155);
constexpr QPoint kOptionsCloseLabel(84, 217);
// The clock line right of "Zeit: 00:00", which stays as the clock runs.
const QRect kClockKeys(170, 345, 496, 26);

// A screenshot shows black where another window covers the one taken, so
// the side windows are kept off the main window.
constexpr QPoint kMainPlace(20, 40);
constexpr QPoint kSidePlace(1000, 300);

// The component a drag on a bar ending on this window row picks: the row's
// height inside the border, in twips, over the bar's twips per step. The
// quotient 17k/7 never ends in a half, so rounding to even does not come in.
int componentAtRow(int row)
{
    return int(std::lround((row - kBarInside) * 15 * 255.0 / 1575.0));
}

// A file's bytes as text, with its line end made visible.
QString shown(const QByteArray& bytes)
{
    return QLatin1Char('"')
        + QString::fromLatin1(bytes).replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"))
        + QLatin1Char('"');
}

bool click(const XSession& session, WindowId window, QPoint at)
{
    return session
        .run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"),
                                         QString::number(window), QString::number(at.x()),
                                         QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")})
        .ok();
}

// Presses the left button at one row of a bar and lets go at another.
bool drag(const XSession& session, WindowId window, int x, int fromRow, int toRow)
{
    const QString id = QString::number(window);
    const QString column = QString::number(x);
    return session
        .run(QStringLiteral("xdotool"),
             {QStringLiteral("mousemove"), QStringLiteral("--window"), id, column, QString::number(fromRow),
              QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("mousemove"),
              QStringLiteral("--window"), id, column, QString::number(toRow), QStringLiteral("mouseup"),
              QStringLiteral("1")})
        .ok();
}

bool moveWindow(const XSession& session, WindowId window, QPoint to)
{
    return session
        .run(QStringLiteral("xdotool"), {QStringLiteral("windowmove"), QStringLiteral("--sync"),
                                         QString::number(window), QString::number(to.x()),
                                         QString::number(to.y())})
        .ok();
}

// Waits until no window but `except` has a title that matches.
bool waitForNoWindow(const XSession& session, const QString& titlePattern, int timeoutMs, WindowId except = 0)
{
    QElapsedTimer clock;
    clock.start();
    const auto others = [&] {
        QList<WindowId> found = session.findWindows(titlePattern);
        found.removeAll(except);
        return found;
    };
    while (!others().isEmpty()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        pollPause();
    }
    return true;
}

// Polls screenshots until `problem` finds nothing wrong with one.
QImage waitForLook(const XSession& session, WindowId window, const std::function<QString(const QImage&)>& problem,
                   int timeoutMs, QString* why)
{
    QElapsedTimer clock;
    clock.start();
    *why = QStringLiteral("no screenshot of the window could be taken");
    do {
        const QImage image = session.grab(window);
        if (!image.isNull()) {
            *why = problem(image);
            if (why->isEmpty())
                return image;
        }
        pollPause();
    } while (clock.elapsed() < timeoutMs);
    return {};
}

QString pixelProblem(const QImage& image, QPoint at, const QColor& colour, const char* what)
{
    if (!image.rect().contains(at))
        return QStringLiteral("the window is only %1 x %2").arg(image.width()).arg(image.height());
    if (image.pixel(at) == colour.rgb())
        return {};
    return QStringLiteral("%1: pixel (%2, %3) is %4, not %5")
        .arg(QLatin1String(what))
        .arg(at.x())
        .arg(at.y())
        .arg(describe(image.pixel(at)), colour.name());
}

QString firstOf(const QStringList& problems)
{
    for (const QString& problem : problems) {
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

// Empty when the whole picture is the one colour, apart from the green dot
// that the play tick keeps drawing.
QString solidProblem(const QImage& image, const QColor& colour)
{
    const std::optional<Dot> player = findDot(image, kPlayer);
    const QRect dot = player ? player->box.adjusted(-2, -2, 2, 2) : QRect();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!dot.contains(x, y) && image.pixel(x, y) != colour.rgb())
                return QStringLiteral("pixel (%1, %2) is %3, not %4")
                    .arg(x)
                    .arg(y)
                    .arg(describe(image.pixel(x, y)), colour.name());
        }
    }
    return {};
}

// Pixels of the area near the ink in one picture and not in the other.
int apart(const QImage& a, const QImage& b, const QRect& area, const QColor& ink)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += near(a.pixel(x, y), ink) != near(b.pixel(x, y), ink);
    return count;
}

// The Info window painted: its blank part in the window colour, and the
// instructions in yellow.
QString infoProblem(const QImage& image)
{
    if (image.size() != kInfoClient)
        return QStringLiteral("the Info window is %1 x %2").arg(image.width()).arg(image.height());
    const QString blank = solidProblem(image.copy(kInfoBlank), kSideBack);
    if (!blank.isEmpty())
        return QStringLiteral("blank part of Info, from its corner: ") + blank;
    return countNear(image, kInstructions, kYellow) > 500 ? QString() : QStringLiteral("no yellow instructions");
}

// The Options window painted: the red bar of the background colour is dark
// at its top and full red at its foot.
QString redBarProblem(const QImage& image)
{
    if (image.size() != kOptionsClient)
        return QStringLiteral("the Options window is %1 x %2").arg(image.width()).arg(image.height());
    const QRgb top = image.pixel(kRedBackBarX, kBarInside);
    const QRgb foot = image.pixel(kRedBackBarX, kBarInside + 102);
    if (qRed(top) < 8 && qRed(foot) > 240 && qGreen(top) == 0 && qGreen(foot) == 0 && qBlue(foot) == 0)
        return {};
    return QStringLiteral("the red bar runs from %1 to %2").arg(describe(top), describe(foot));
}

}  // namespace

class E2eSideWindowsTest : public EndToEndTest {
    Q_OBJECT

private:
    QByteArray styleRecord(const Palette& palette, int style) const
    {
        return QByteArray::number(colourWord(palette.fore)) + ',' + QByteArray::number(colourWord(palette.back))
            + ',' + QByteArray::number(style) + "\r\n";
    }

    QMap<QString, QByteArray> dataFiles(int style) const
    {
        return {
            {QStringLiteral("High.dat"), highFile_},
            {QStringLiteral("Orvo.dat"), QByteArray("\"Ann\"\r\n")},
            {QStringLiteral("Style.dat"), styleRecord(palette_, style)},
        };
    }

    // Starts the game, puts its window in the top left corner and waits for
    // the first maze.
    std::optional<Scene> startGame(GameRun& game, int style, WindowId* window, QString* why) const
    {
        const std::optional<WindowId> found = game.startToWindow(dataFiles(style), GameRun::Focus::Leave, kWaitMs, why);
        if (!found)
            return std::nullopt;
        *window = *found;
        if (!moveWindow(*session_, *window, kMainPlace) || !session_->activate(*window)) {
            *why = QStringLiteral("the game window could not be moved and activated");
            return std::nullopt;
        }
        return waitForScene(*session_, *window, kStartClient, kStartW, kStartH, palette_, nullptr, kWaitMs, why);
    }

    // Presses I and waits for the Info window, moved clear of the main one.
    std::optional<WindowId> openInfo(WindowId window) const
    {
        if (!session_->activate(window) || !session_->key(QStringLiteral("i")))
            return std::nullopt;
        const std::optional<WindowId> info = session_->waitForWindow(kInfoTitle, kWaitMs);
        if (!info || !moveWindow(*session_, *info, kSidePlace))
            return std::nullopt;
        return info;
    }

    void sessionStarted() override { clock_.start(); }

    QElapsedTimer clock_;
    const Palette palette_ {QColor(255, 255, 192), QColor(32, 32, 96)};

private Q_SLOTS:
    // I blanks the main window, stops its clock and shows Info. A click on
    // Info (anywhere but "Options"), or on the main window, closes it; the
    // same maze comes back and the clock goes on from the same reading.
    void infoPausesTheGame_data()
    {
        QTest::addColumn<bool>("onMain");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("blank_spot") << false << kInfoBlank.center();
        QTest::newRow("close_label") << false << kInfoCloseLabel;
        QTest::newRow("main_window") << true << QPoint(300, 200);
    }

    void infoPausesTheGame()
    {
        QFETCH(bool, onMain);
        QFETCH(QPoint, at);
        GameRun game(*session_);
        WindowId window = 0;
        QString why;
        const std::optional<Scene> scene = startGame(game, 1, &window, &why);
        QVERIFY2(scene, qPrintable(why));

        // The clock line is compared as a picture: the reading shown when
        // Info closes must be the one shown when I was pressed. That holds
        // only if no tick can have come between the last look and the key,
        // nor between the click and the first look after it; a try that
        // was too slow for that is made again.
        bool compared = false;
        for (int attempt = 1; attempt <= 4 && !compared; ++attempt) {
            qint64 lookedAt = clock_.elapsed();
            const QImage baseline = session_->grab(window);
            QVERIFY2(!baseline.isNull(), "no screenshot of the game window could be taken");
            // The tick came after the last look that still showed the old
            // line had begun.
            QImage ticked;
            QElapsedTimer waiting;
            waiting.start();
            while (ticked.isNull() && waiting.elapsed() < kWaitMs) {
                const qint64 lookStarted = clock_.elapsed();
                const QImage image = session_->grab(window);
                if (image.isNull() || image.copy(clockLine(kStartH)) == baseline.copy(clockLine(kStartH)))
                    lookedAt = lookStarted;
                else
                    ticked = image;
            }
            QVERIFY2(!ticked.isNull(), "the clock line did not change");

            const std::optional<WindowId> info = openInfo(window);
            QVERIFY2(info, "no window titled Info appeared after I, or it could not be moved");
            const bool pausedInTime = clock_.elapsed() - lookedAt < 850;
            const qint64 infoSeen = clock_.elapsed();
            QCOMPARE(session_->clientSize(*info), kInfoClient);
            QVERIFY2(!waitForLook(*session_, *info, infoProblem, kWaitMs, &why).isNull(), qPrintable(why));

            // While Info is open the main window stays bare: no maze, no
            // text lines, only the dot the play tick draws.
            const QImage bare = waitForLook(
                *session_, window, [&](const QImage& image) { return solidProblem(image, palette_.back); },
                kWaitMs, &why);
            QVERIFY2(!bare.isNull(), qPrintable(QStringLiteral("main window under Info: ") + why));
            while (clock_.elapsed() - infoSeen < 1500) {
                const QString problem = solidProblem(session_->grab(window), palette_.back);
                QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("main window under Info: ") + problem));
                pollPause();
            }

            const qint64 clickedAt = clock_.elapsed();
            QVERIFY(click(*session_, onMain ? window : *info, at));
            QVERIFY2(waitForNoWindow(*session_, kInfoTitle, kWaitMs), "the Info window stayed open after the click");
            qint64 seenAt = 0;
            const QImage back = waitForLook(
                *session_, window,
                [&](const QImage& image) {
                    QString problem;
                    const std::optional<Maze> maze = readSquares(image, kStartW, kStartH, palette_, &problem);
                    if (!maze)
                        return problem;
                    if (!(*maze == scene->maze))
                        return QStringLiteral("another maze came back: a new game started");
                    seenAt = clock_.elapsed();
                    return QString();
                },
                kWaitMs, &why);
            QVERIFY2(!back.isNull(), qPrintable(QStringLiteral("after Info closed: ") + why));
            const std::optional<Dot> goal = findDot(back, kGoal);
            QVERIFY2(goal && goal->single, qPrintable(QStringLiteral("the blue dot is ") + where(goal)));

            compared = back.copy(clockLine(kStartH)) == ticked.copy(clockLine(kStartH));
            const bool backInTime = seenAt - clickedAt < 850;
            QVERIFY2(compared || !pausedInTime || !backInTime,
                     "the clock line after Info differs from the one when I was pressed");
            if (compared) {
                const QImage later = waitForClockTick(*session_, window, back, kStartH, 5000);
                QVERIFY2(!later.isNull(), "the clock did not go on after Info closed");
            }
        }
        QVERIFY2(compared, "four tries were all too slow to compare the clock lines");
    }

    // Options, reached from Info: a drag on the red bar of the background
    // colour repaints the main window at once in the red picked; the style
    // chosen and the colour show in the maze once Options closes. "Close"
    // saves them to Style.dat; the frame's close box keeps them for this run
    // only. Where Style.dat cannot be saved, a message says so, the old
    // file stays as it was and the choices stay in effect.
    // Under a German locale the status lines and Info match the game's own German drawing of them, done here.
    void germanLocaleReadsGerman()
    {
        GameRun game(*session_);
        for (const char* name : {"LANGUAGE", "LC_ALL", "LANG"})
            game.setEnvironmentVariable(QString::fromLatin1(name), QStringLiteral("de_DE.UTF-8"));
        WindowId window = 0;
        QString why;
        const std::optional<Scene> scene = startGame(game, 0, &window, &why);
        const std::optional<WindowId> info = scene ? openInfo(window) : std::nullopt;
        const QImage shot = info ? waitForLook(*session_, *info, infoProblem, kWaitMs, &why) : QImage();
        QVERIFY2(!shot.isNull(), qPrintable(why));

        const platform::Translations german {QLocale(QLocale::German)};
        static const MazeGrid grid;
        const std::string name = "Ann";
        platform::ImageSurface lines;
        lines.resize(kStartClient, 1.0);
        drawStatusLines(lines, {grid, kStartW, kStartH, 0, {}, 0, name, colourWord(palette_.fore), 0});
        TestGame drawn;
        const platform::SideWindowRef drawnInfo = Form2::open(drawn.form().sideWindowServices());
        const auto unload = qScopeGuard([&] { drawnInfo->unload(); });
        const int apartFromGerman = apart(scene->image, lines.image(), highScoreArea(), palette_.fore)
            + apart(scene->image, lines.image(), kClockKeys, palette_.fore)
            + apart(shot, drawnInfo->grab().toImage(), kInstructions, kYellow);
        QVERIFY2(!german.language().isEmpty() && apartFromGerman < 100, qPrintable(QString::number(apartFromGerman)));
    }

    // With the keyboard alone: I, Tab and Enter on "Options"; there Tab to
    // the third style and Space, Tab to the walls' red bar, End and Page Up,
    // Tab on to "Close" and Enter, which saves the choices.
    void keyboardAlonePicksAndSaves()
    {
        GameRun game(*session_);
        WindowId to = 0;
        QString why;
        QVERIFY2(startGame(game, 0, &to, &why), qPrintable(why));
        const QStringList keys[] = {{"i"}, {"Tab", "Return"}, {"Tab", "Tab", "space", "Tab", "End", "Prior", "Tab",
                                                               "Tab", "Tab", "Tab", "Tab", "Tab", "Return"}};
        // Keys go to the active window: each group waits for its own.
        for (int i = 0; i < 3; ++i) {
            const auto active = [&] { return session_->run("xdotool", {"getactivewindow"}).out.trimmed(); };
            QTRY_COMPARE_WITH_TIMEOUT(active(), QByteArray::number(to), kWaitMs);
            for (const QString& key : keys[i])
                QVERIFY(session_->key(key));
            if (i < 2)
                to = session_->waitForWindow(i == 0 ? kInfoTitle : kOptionsTitle, kWaitMs).value_or(0);
        }
        const QByteArray expected = styleRecord({palette_.fore, QColor(239, 0, 0)}, 2);
        QTRY_COMPARE_WITH_TIMEOUT(game.fileBytes(QStringLiteral("Style.dat")).value_or(""), expected, kWaitMs);
    }

    void optionsTakeEffect_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<int>("fault");
        QTest::newRow("close_label_saves") << 1 << false << int(SaveFault::None);
        QTest::newRow("close_box_keeps_file") << 2 << true << int(SaveFault::None);
        QTest::newRow("close_label_read_only_folder") << 1 << false << int(SaveFault::ReadOnlyFolder);
        QTest::newRow("close_label_full_disk") << 2 << false << int(SaveFault::FullDisk);
    }

    void optionsTakeEffect()
    {
        QFETCH(int, style);
        QFETCH(bool, closeBox);
        QFETCH(int, fault);
        const SaveFault saveFault = SaveFault(fault);
        GameRun game(*session_);
        WindowId window = 0;
        QString why;
        if (!game.prepareFault(saveFault, &why))
            QSKIP(qPrintable(why));
        const std::optional<Scene> scene = startGame(game, 0, &window, &why);
        QVERIFY2(scene, qPrintable(why));
        if (!game.applyFault(saveFault, &why)) {
            if (saveFault == SaveFault::ReadOnlyFolder)
                QSKIP(qPrintable(why));
            QFAIL(qPrintable(why));
        }
        const std::optional<QByteArray> before = game.fileBytes(QStringLiteral("Style.dat"));
        const QStringList entries = game.folderEntries();

        const std::optional<WindowId> info = openInfo(window);
        QVERIFY2(info, "no window titled Info appeared after I, or it could not be moved");
        QVERIFY(click(*session_, *info, kInfoOptionsLabel));
        const std::optional<WindowId> options = session_->waitForWindow(kOptionsTitle, kWaitMs);
        QVERIFY2(options, "no window titled Options appeared");
        QCOMPARE(session_->clientSize(*options), kOptionsClient);
        QVERIFY2(waitForNoWindow(*session_, kInfoTitle, kWaitMs), "the Info window stayed open beside Options");
        QVERIFY(moveWindow(*session_, *options, kSidePlace));
        QVERIFY2(!waitForLook(*session_, *options, redBarProblem, kWaitMs, &why).isNull(), qPrintable(why));

        // Row 132 is 51 rows inside the border: 123.86 rounds to 124, where
        // cutting off the fraction or counting the border row would not.
        const int endRow = 132;
        const QColor red(componentAtRow(endRow), 0, 0);
        QVERIFY(drag(*session_, *options, kRedBackBarX, 100, endRow));
        const QImage cleared = waitForLook(
            *session_, window, [&](const QImage& image) { return solidProblem(image, red); }, kWaitMs, &why);
        QVERIFY2(!cleared.isNull(), qPrintable(QStringLiteral("main window after the drag: ") + why));
        const auto picked = [&](const QImage& image) {
            return firstOf({pixelProblem(image, kBackPreview, red, "background preview"),
                            pixelProblem(image, {kRedBackBarX, endRow}, kYellow, "pick line")});
        };
        QVERIFY2(!waitForLook(*session_, *options, picked, kWaitMs, &why).isNull(), qPrintable(why));

        QVERIFY(click(*session_, *options, kStyleLabels[style]));
        const auto marked = [&](const QImage& image) {
            return firstOf({pixelProblem(image, kStylePlates[style], kMarkerFill, "frame of the style chosen"),
                            pixelProblem(image, kStylePlates[0], kSideBack, "frame of the style left")});
        };
        QVERIFY2(!waitForLook(*session_, *options, marked, kWaitMs, &why).isNull(), qPrintable(why));

        if (closeBox) {
            QVERIFY(session_->activate(*options));
            QVERIFY(session_->key(QStringLiteral("alt+F4")));
        } else {
            QVERIFY(click(*session_, *options, kOptionsCloseLabel));
        }
        QVERIFY2(waitForNoWindow(*session_, kOptionsTitle, kWaitMs), "the Options window stayed open");
        if (saveFault != SaveFault::None) {
            const std::optional<WindowId> message = session_->waitForWindow(kTitle, kWaitMs, window);
            QVERIFY2(message, "no message titled Orvo told of the failed save");
            QVERIFY2(session_->activate(*message), "the message could not be activated");
            QVERIFY(session_->key(QStringLiteral("Return")));
            QVERIFY2(waitForNoWindow(*session_, kTitle, kWaitMs, window), "the message stayed open");
        }

        // The same game, drawn again in the style and colours chosen.
        const Palette chosen {palette_.fore, red};
        const std::optional<Scene> after =
            waitForScene(*session_, window, kStartClient, kStartW, kStartH, chosen, nullptr, kWaitMs, &why);
        QVERIFY2(after, qPrintable(QStringLiteral("after Options closed: ") + why));
        QVERIFY2(after->maze == scene->maze, "another maze came back: a new game started");
        if (style == 1) {
            const std::optional<Maze> exact = readSquares(after->image, kStartW, kStartH, chosen, &why);
            QVERIFY2(exact, qPrintable(why));
            QVERIFY2(*exact == scene->maze, "the squares disagree with the maze before");
        } else {
            const StyleCheck check = checkStyle(after->image, after->maze, chosen, style);
            QVERIFY2(check.problem.isEmpty(), qPrintable(check.problem));
        }

        QCOMPARE(game.folderEntries(), entries);
        if (closeBox) {
            QVERIFY2(game.fileBytes(QStringLiteral("Style.dat")) == before, "closing by the close box wrote Style.dat");
            return;
        }
        if (saveFault != SaveFault::None) {
            QVERIFY2(game.fileBytes(QStringLiteral("Style.dat")) == before, "the old Style.dat was not kept whole");
            QVERIFY2(game.standardError().contains("Orvo could not save Style.dat"),
                     qPrintable(QStringLiteral("the game wrote: ") + QString::fromLocal8Bit(game.standardError())));
            return;
        }
        const QByteArray expected = styleRecord(chosen, style);
        QElapsedTimer saving;
        saving.start();
        while (game.fileBytes(QStringLiteral("Style.dat")) != expected && saving.elapsed() < kWaitMs)
            pollPause();
        const std::optional<QByteArray> written = game.fileBytes(QStringLiteral("Style.dat"));
        QVERIFY2(written == expected,
                 qPrintable(QStringLiteral("Style.dat holds %1, not %2")
                                .arg(written ? shown(*written) : QStringLiteral("nothing"), shown(expected))));
    }
};

QTEST_MAIN(E2eSideWindowsTest)
#include "test_e2e_side_windows.moc"
