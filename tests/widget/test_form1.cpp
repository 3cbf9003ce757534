// The main window on the offscreen platform: start-up from the data files,
// the single new-game path, keys and held-key flags, the play tick's dot and
// the clock's wipe.
#include "common/module1.h"
#include "persist/data_files.h"
#include "persist/record.h"
#include "persist/scrambling.h"
#include "platform/surface/image_surface.h"
#include "common/cell_geometry.h"
#include "play/movement.h"
#include "render/maze_renderer.h"
#include "support/test_game.h"
#include "support/widget_helpers.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QTest>

namespace {

void sendKey(QWidget& w, QEvent::Type type, int key, bool autoRepeat, Qt::KeyboardModifiers mods = {})
{
    QKeyEvent event(type, key, mods, QString(), autoRepeat);
    QCoreApplication::sendEvent(&w, &event);
}

}  // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsWithTheSmallestMaze();
    void startUpLoadsThenMakesTheMazeThenTakesTheFocus();
    void iconFollowsTheFirstPicture();
    void longNameIsCut();
    void minimisedWindowWaitsForTheRestore();
    void badDataFileStopsTheStart_data();
    void badDataFileStopsTheStart();
    void tooSmallWindowSnapsBackWidthFirst();
    void largeWindowIsBoundedToTheGrid_data();
    void largeWindowIsBoundedToTheGrid();
    void newGameRestartsTheClock_data();
    void newGameRestartsTheClock();
    void escapeEndsTheProgram();
    void heldKeyStaysHeldThroughAutoRepeat();
    void twoKeysHeldTogether();
    void dotLeavesNoGreenBehind();
    void clockWipeLeavesNoResidue();
    void focusRedrawsAndStartsTheClock();
    void describesItsLinesToAssistiveTechnology();
};

void TestForm1::startsWithTheSmallestMaze()
{
    TestGame game(DataFiles::defaults("65280,16711680,2\r\n"));
    Module1& settings = game.form().settings();
    QVERIFY(game.start());
    Form1& f = game.form();
    QCOMPARE(f.window().size(), QSize(666, 386));
    QCOMPARE(f.window().windowTitle(), QStringLiteral("Orvo"));
    QCOMPARE(f.Maze_Width, 42);
    QCOMPARE(f.Maze_Height, 21);
    QCOMPARE(f.Dig_Limit, 882);
    QCOMPARE(f.High_Score, 0);
    QCOMPARE(f.High_Name, std::string("<No One>"));
    QCOMPARE(settings.Fore_Color, 65280);
    QCOMPARE(settings.Back_Color, 16711680);
    QCOMPARE(settings.Style_Index, 2);
    QCOMPARE(f.Cipher_Key.size(), std::size_t {22});
    QVERIFY(f.timer1().isEnabled());
    QCOMPARE(f.timer1().interval(), 100);
    QVERIFY(f.timer2().isEnabled());
    QCOMPARE(f.timer2().interval(), 1000);
    QCOMPARE(f.Maze(41, f.Goal_Y) != 0, true);
    QVERIFY(game.dialogs().shown.empty());
    // The window's background is the wall colour of Style.dat.
    QCOMPARE(f.window().surface().image().pixelColor(2, 200), qColour(16711680));
}

void TestForm1::startUpLoadsThenMakesTheMazeThenTakesTheFocus()
{
    TestGame game;
    Form1& f = game.form();
    QStringList order;
    f.window().onResize = [&] {
        order << QStringLiteral("resize");
        f.Form_Resize();
    };
    f.window().onGotFocus = [&] {
        // The maze exists before the focus redraws it.
        order << (f.Maze_Width == 42 ? QStringLiteral("focus") : QStringLiteral("focus-before-maze"));
        f.Form_GotFocus();
    };
    QVERIFY(f.Form_Load());
    QVERIFY(order.isEmpty());
    f.show();
    f.window().activateWindow();
    QTRY_VERIFY(order.contains(QStringLiteral("focus")) || order.contains(QStringLiteral("focus-before-maze")));
    QCOMPARE(order.first(), QStringLiteral("resize"));
    QVERIFY2(!order.contains(QStringLiteral("focus-before-maze")), qPrintable(order.join(',')));
    QVERIFY(f.timer2().isEnabled());
}

void TestForm1::iconFollowsTheFirstPicture()
{
    TestGame game;
    Form1& f = game.form();
    QVERIFY(f.Form_Load());
    f.show();
    // Nothing is decoded on the way to the first picture.
    QVERIFY(f.window().windowIcon().isNull());
    QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
    QTRY_VERIFY(!f.window().windowIcon().isNull());
    // The desktop icon's pictures, at the sizes window managers show.
    const QList<QSize> sizes {{16, 16}, {32, 32}, {48, 48}, {64, 64}};
    QCOMPARE(f.window().windowIcon().availableSizes(), sizes);
}

void TestForm1::longNameIsCut()
{
    DataFiles files = DataFiles::defaults();
    files.name = textRecord(std::string(1000, 'n'));
    TestGame game(files);
    QVERIFY(game.start());
    QCOMPARE(game.form().High_Name, std::string(255, 'n'));
    QVERIFY(game.dialogs().shown.empty());
}

void TestForm1::minimisedWindowWaitsForTheRestore()
{
    TestGame game;
    QVERIFY(game.start());
    Form1& f = game.form();
    const std::int16_t goalY = f.Goal_Y;
    f.Time_Minutes = 4;
    f.window().setWindowState(Qt::WindowMinimized);
    QResizeEvent shrunk(QSize(0, 0), f.window().size());
    QCoreApplication::sendEvent(&f.window(), &shrunk);
    // No new game and no forced size: the game waits for the restore.
    QCOMPARE(f.Time_Minutes, 4);
    QCOMPARE(f.Goal_Y, goalY);
    QCOMPARE(f.window().size(), QSize(666, 386));
    // The restore deals a new maze at 00:00, though it brings no resize.
    f.window().setWindowState(Qt::WindowNoState);
    QCOMPARE(f.Time_Minutes, 0);
    QVERIFY(f.timer2().isEnabled());
}

void TestForm1::badDataFileStopsTheStart_data()
{
    QTest::addColumn<QByteArray>("high");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("style");
    QTest::addColumn<QString>("file");

    const DataFiles good = DataFiles::defaults();
    const QByteArray high = QByteArray::fromStdString(good.high);
    const QByteArray name = QByteArray::fromStdString(good.name);
    const QByteArray style = QByteArray::fromStdString(good.style);
    std::string key = Codes_To_Text(keyTable());
    const QByteArray notANumber = QByteArray::fromStdString(textRecord(Xor_Text("12a", key)));
    const QByteArray tooLarge = QByteArray::fromStdString(textRecord(Xor_Text("32768", key)));

    QTest::newRow("highMissing") << QByteArray() << name << style << "High.dat";
    QTest::newRow("highBlank") << QByteArray("\r\n") << name << style << "High.dat";
    QTest::newRow("highNotANumber") << notANumber << name << style << "High.dat";
    QTest::newRow("highTooLarge") << tooLarge << name << style << "High.dat";
    QTest::newRow("nameMissing") << high << QByteArray() << style << "Orvo.dat";
    QTest::newRow("nameUnclosed") << high << QByteArray("\"Ann") << style << "Orvo.dat";
    // Only the first 64 KiB are read: a name of 10 MB has no closing quote.
    QTest::newRow("nameTenMegabytes") << high << "\"" + QByteArray(10 << 20, 'n') + "\"\r\n" << style << "Orvo.dat";
    QTest::newRow("styleMissing") << high << name << QByteArray() << "Style.dat";
    QTest::newRow("styleTooFewFields") << high << name << QByteArray("65280,255\r\n") << "Style.dat";
    QTest::newRow("styleColourTooLarge") << high << name << QByteArray("16777216,0,0\r\n") << "Style.dat";
    QTest::newRow("styleNegativeColour") << high << name << QByteArray("0,-1,0\r\n") << "Style.dat";
    QTest::newRow("styleIndexTooLarge") << high << name << QByteArray("0,0,40000\r\n") << "Style.dat";
}

void TestForm1::badDataFileStopsTheStart()
{
    QFETCH(QByteArray, high);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, style);
    QFETCH(QString, file);

    TestGame game(DataFiles {high.toStdString(), name.toStdString(), style.toStdString()});
    QVERIFY(!game.form().Form_Load());
    QCOMPARE(game.dialogs().shown.size(), std::size_t {1});
    const QString message = QString::fromStdString(game.dialogs().shown[0].text);
    QVERIFY2(message.contains(file), qPrintable(message));
    // Nothing is rewritten on the way out.
    QCOMPARE(QByteArray::fromStdString(game.fileBytes(kHighFile)), high);
    QCOMPARE(QByteArray::fromStdString(game.fileBytes(kNameFile)), name);
    QCOMPARE(QByteArray::fromStdString(game.fileBytes(kStyleFile)), style);
}

void TestForm1::tooSmallWindowSnapsBackWidthFirst()
{
    TestGame game;
    QVERIFY(game.start());
    Form1& f = game.form();
    QList<QSize> seen;
    QList<int> widths;
    f.window().onResize = [&] {
        seen.append(f.window().size());
        f.Form_Resize();
        widths.append(f.Maze_Width);
    };

    f.window().resize(400, 300);
    QTRY_COMPARE(f.window().size(), QSize(666, 386));
    QVERIFY2(seen.size() >= 3, qPrintable(QString::number(seen.size())));
    QCOMPARE(seen.first(), QSize(400, 300));
    QCOMPARE(seen[1], QSize(666, 300));
    QCOMPARE(seen.last(), QSize(666, 386));
    // While the window is too small the maze keeps its size.
    for (int width : widths)
        QCOMPARE(width, 42);
    QCOMPARE(f.Maze_Width, 42);
    QCOMPARE(f.Maze_Height, 21);
    QVERIFY(f.timer2().isEnabled());
}

void TestForm1::largeWindowIsBoundedToTheGrid_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("fullHd") << QSize(1920, 1080) << 126 << 68;
    QTest::newRow("wide") << QSize(15100, 450) << 999 << 26;
    QTest::newRow("wideAndTall") << QSize(4000, 2400) << 264 << 124;
    QTest::newRow("tall") << QSize(700, 15100) << 44 << 744;
}

void TestForm1::largeWindowIsBoundedToTheGrid()
{
    QFETCH(QSize, client);
    QFETCH(int, width);
    QFETCH(int, height);
    TestGame game;
    QVERIFY(game.start());
    Form1& f = game.form();
    f.window().resize(client);
    QTRY_COMPARE(f.window().size(), client);
    QTRY_COMPARE(int(f.Maze_Width), width);
    QCOMPARE(int(f.Maze_Height), height);
    QVERIFY(int(f.Maze_Width) * f.Maze_Height <= 32767);
    QCOMPARE(int(f.Dig_Limit), width * height);
    // The goal lies on a passage in the column before the right frame.
    QVERIFY(f.Maze(f.Maze_Width - 1, f.Goal_Y) != 0);
}

void TestForm1::newGameRestartsTheClock_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("n") << int(Qt::Key_N) << 0;
    QTest::newRow("shiftN") << int(Qt::Key_N) << int(Qt::ShiftModifier);
    QTest::newRow("ctrlN") << int(Qt::Key_N) << int(Qt::ControlModifier);
    QTest::newRow("altN") << int(Qt::Key_N) << int(Qt::AltModifier);
    QTest::newRow("resize") << 0 << 0;
}

void TestForm1::newGameRestartsTheClock()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    TestGame game;
    QVERIFY(game.start());
    Form1& f = game.form();
    f.Time_Minutes = 3;
    f.Time_Seconds = 7;
    f.Timer2_Timer();
    f.timer2().setEnabled(false);
    f.Key_Right = -1;

    if (key != 0)
        sendKey(f.window(), QEvent::KeyPress, key, false, Qt::KeyboardModifiers(modifiers));
    else
        f.window().resize(700, 420);
    QTRY_COMPARE(f.Time_Minutes, 0);
    QCOMPARE(f.Time_Seconds, 0);
    QVERIFY(f.timer2().isEnabled());
    // A new game leaves the held keys alone.
    QCOMPARE(f.Key_Right, -1);
    QVERIFY(f.Maze(f.Player_X, f.Player_Y) != 0);
}

void TestForm1::escapeEndsTheProgram()
{
    TestGame game;
    QVERIFY(game.start());
    sendKey(game.form().window(), QEvent::KeyPress, Qt::Key_Escape, false);
    QCOMPARE(game.endedWith, 0);
}

void TestForm1::heldKeyStaysHeldThroughAutoRepeat()
{
    TestGame game;
    QVERIFY(game.start());
    Form1& f = game.form();
    QWidget& w = f.window();

    sendKey(w, QEvent::KeyPress, Qt::Key_Down, false);
    QCOMPARE(f.Key_Down, -1);
    for (int i = 0; i < 5; ++i) {
        sendKey(w, QEvent::KeyRelease, Qt::Key_Down, true);
        QCOMPARE(f.Key_Down, -1);
        sendKey(w, QEvent::KeyPress, Qt::Key_Down, true);
        QCOMPARE(f.Key_Down, -1);
    }
    sendKey(w, QEvent::KeyRelease, Qt::Key_Down, false);
    QCOMPARE(f.Key_Down, 0);
    // Shift held with an arrow changes nothing.
    sendKey(w, QEvent::KeyPress, Qt::Key_Left, false, Qt::ShiftModifier);
    QCOMPARE(f.Key_Left, -1);
    sendKey(w, QEvent::KeyRelease, Qt::Key_Left, false, Qt::ShiftModifier);
    QCOMPARE(f.Key_Left, 0);
}

void TestForm1::twoKeysHeldTogether()
{
    TestGame game;
    QVERIFY(game.start());
    Form1& f = game.form();
    sendKey(f.window(), QEvent::KeyPress, Qt::Key_Up, false);
    sendKey(f.window(), QEvent::KeyPress, Qt::Key_Right, false);
    QCOMPARE(f.Key_Up, -1);
    QCOMPARE(f.Key_Right, -1);
    QCOMPARE(f.Key_Left, 0);
    QCOMPARE(f.Key_Down, 0);
    // Let go in another window: the releases go there, the flags all the same.
    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_VERIFY(f.Key_Up == 0 && f.Key_Right == 0);
}

void TestForm1::dotLeavesNoGreenBehind()
{
    TestGame game;
    QVERIFY(game.start());
    Form1& f = game.form();
    f.timer1().setEnabled(false);
    f.timer2().setEnabled(false);

    // Wander: each tick holds a varying pair of keys.
    for (int tick = 0; tick < 120; ++tick) {
        f.Key_Up = (tick / 7) % 4 == 0 ? -1 : 0;
        f.Key_Left = (tick / 5) % 3 == 1 ? -1 : 0;
        f.Key_Right = (tick / 3) % 2 == 0 ? -1 : 0;
        f.Key_Down = (tick / 4) % 2 == 1 ? -1 : 0;
        f.Timer1_Timer();
        const QList<QPoint> green = pixelsOf(f.window().surface().image(), qColour(kPlayerColour));
        QVERIFY(!green.isEmpty());
        const float cx = cellCentre(f.Player_X);
        const float cy = cellCentre(f.Player_Y);
        for (const QPoint& p : green)
            QVERIFY2(qAbs(p.x() + 0.5 - cx) <= 4 && qAbs(p.y() + 0.5 - cy) <= 4,
                     qPrintable(QStringLiteral("green at %1,%2 on tick %3").arg(p.x()).arg(p.y()).arg(tick)));
    }
}

void TestForm1::clockWipeLeavesNoResidue()
{
    TestGame game;
    Module1& settings = game.form().settings();
    QVERIFY(game.start());
    Form1& f = game.form();
    f.timer2().setEnabled(false);
    for (int tick = 0; tick < 75; ++tick)
        f.Timer2_Timer();
    QCOMPARE(f.Time_Minutes, 1);
    QCOMPARE(f.Time_Seconds, 15);

    // Below the maze rectangle there is only the wall colour and the line.
    const int top = 15 * f.Maze_Height + 30;
    platform::ImageSurface fresh;
    fresh.resize(f.window().size(), f.window().surface().image().devicePixelRatio());
    fresh.setBackColor(settings.Back_Color);
    fresh.ForeColor = settings.Fore_Color;
    printClockLine(fresh, f.Maze_Height, ClockReading {1, 15});

    const QImage& shown = f.window().surface().image();
    const QRect band(0, top, shown.width(), shown.height() - top);
    QCOMPARE(shown.copy(band), fresh.image().copy(band));
}

void TestForm1::focusRedrawsAndStartsTheClock()
{
    TestGame game;
    Module1& settings = game.form().settings();
    QVERIFY(game.start());
    Form1& f = game.form();
    f.timer2().setEnabled(false);
    f.window().surface().Cls();
    const QImage blank = f.window().surface().image().copy();

    settings.Style_Index = 7;  // no such style: nothing is drawn
    f.Form_GotFocus();
    QVERIFY(f.timer2().isEnabled());
    QCOMPARE(f.window().surface().image(), blank);

    f.timer2().setEnabled(false);
    settings.Style_Index = 0;
    f.Form_GotFocus();
    QVERIFY(f.timer2().isEnabled());
    QVERIFY(!pixelsOf(f.window().surface().image(), qColour(kGoalColour)).isEmpty());
}

void TestForm1::describesItsLinesToAssistiveTechnology()
{
    TestGame game;
    Form1& f = game.form();
    QVERIFY(game.start());
    f.High_Score = 1234, f.High_Name = "Anna", f.Time_Minutes = 3, f.Time_Seconds = 7;
    f.Timer2_Timer();
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&f.window());
    QCOMPARE(a->text(QAccessible::Name) + '|' + a->text(QAccessible::Description),
             "Orvo|Highscore: 1234 by Anna\nTime: 03:08  N = New Game  Esc = End  I = Info");
}

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
