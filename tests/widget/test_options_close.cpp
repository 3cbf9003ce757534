// The Options window's style entries, and how it ends: "Close" shows the main
// window, then saves Style.dat; the close box saves nothing; either way the
// settings chosen stay in effect, and the main window redraws with them when
// it gains the focus.
#include "common/module1.h"
#include "persist/data_files.h"
#include "platform/surface/image_surface.h"
#include "platform/window/side_window.h"
#include "side_windows/form3.h"
#include "support/test_game.h"
#include "support/widget_helpers.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <optional>

namespace {

using platform::SideWindow;
using platform::SideWindowRef;
using platform::Twips;

// The square of cell (x, y) on the main window, as style 2 fills it.
bool squareIs(const QImage& image, int x, int y, const QColor& colour)
{
    for (int py = 15 * y + 15; py < 15 * y + 30; ++py)
        for (int px = 15 * x + 15; px < 15 * x + 30; ++px)
            if (image.pixelColor(px, py) != colour)
                return false;
    return true;
}

}  // namespace

class TestOptionsClose : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void styleEntries_data();
    void styleEntries();
    void closeSavesAfterShowingTheMainWindow();
    void failedSaveIsReported_data();
    void failedSaveIsReported();
    void closeBoxSavesNothing();
    void mainWindowRedrawsInTheNewStyle();
};


void TestOptionsClose::cleanup()
{
    closeSideWindows();
}

void TestOptionsClose::styleEntries_data()
{
    QTest::addColumn<QRect>("label");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("style1") << Twips {240, 675, 1215, 375}.pixels() << 2 << 0;
    QTest::newRow("style2") << Twips {1800, 675, 1215, 375}.pixels() << 0 << 1;
    QTest::newRow("style3") << Twips {3360, 675, 1215, 375}.pixels() << 0 << 2;
    QTest::newRow("styleHeading") << Twips {120, 120, 1215, 375}.pixels() << 1 << 1;
    QTest::newRow("backHeading") << Twips {120, 1200, 1215, 855}.pixels() << 1 << 1;
    QTest::newRow("foreHeading") << Twips {2520, 1200, 1215, 855}.pixels() << 1 << 1;
}

void TestOptionsClose::styleEntries()
{
    QFETCH(QRect, label);
    QFETCH(int, before);
    QFETCH(int, after);
    TestGame game(DataFiles::defaults("12648447,6299680," + std::to_string(before) + "\r\n"));
    Module1& settings = game.form().settings();
    QVERIFY(game.start());
    const std::string saved = game.fileBytes(kStyleFile);
    SideWindowRef ref;
    Form3* o = openOptions(game, ref);
    QVERIFY(o);
    QVERIFY(QTest::qWaitForWindowExposed(ref));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(o->styleFrame(i)->solidFill(), i == before);

    QWidget* there = ref->childAt(label.center());
    QVERIFY(qobject_cast<platform::Label*>(there));
    QCOMPARE(there->geometry(), label);
    QTest::mouseClick(ref->windowHandle(), Qt::LeftButton, Qt::NoModifier, label.center());

    QCOMPARE(settings.Style_Index, after);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(o->styleFrame(i)->solidFill(), i == after);
    QCOMPARE(game.fileBytes(kStyleFile), saved);
    ref->close();
}

void TestOptionsClose::closeSavesAfterShowingTheMainWindow()
{
    TestGame game;
    QVERIFY(game.start());
    SideWindowRef ref;
    Form3* o = openOptions(game, ref);
    QVERIFY(o);
    QVERIFY(QTest::qWaitForWindowExposed(ref));
    o->Picture1_MouseMove(1, 0, 120.0f, 300.0f);
    o->Picture7_MouseMove(1, 0, 120.0f, 600.0f);
    o->Label1_Click(2);

    const QRect close = Twips {240, 3075, 2055, 375}.pixels();
    QWidget* there = ref->childAt(close.center());
    QVERIFY(qobject_cast<platform::Label*>(there));
    QCOMPARE(there->geometry(), close);
    QTest::mouseClick(ref->windowHandle(), Qt::LeftButton, Qt::NoModifier, close.center());

    QTRY_VERIFY(ref.isNull());
    QVERIFY(game.form().window().isVisible());
    QVERIFY(game.dialogs().shown.empty());
    QCOMPARE(game.fileBytes(kStyleFile), std::string("49,6356992,2\r\n"));
}

void TestOptionsClose::failedSaveIsReported_data()
{
    QTest::addColumn<bool>("readOnlyFolder");  // else a folder stands in the file's place
    QTest::newRow("readOnlyFolder") << true;
    QTest::newRow("folderInPlace") << false;
}

void TestOptionsClose::failedSaveIsReported()
{
    QFETCH(bool, readOnlyFolder);
    TestGame game;
    Module1& settings = game.form().settings();
    QVERIFY(game.start());
    const std::string old = game.fileBytes(kStyleFile);
    if (!readOnlyFolder) {
        const QString path = game.folder() + QStringLiteral("/Style.dat");
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
    }
    QWidget& main = game.form().window();
    main.hide();
    SideWindowRef ref;
    Form3* o = openOptions(game, ref);
    QVERIFY(o);
    o->Picture5_MouseMove(1, 0, 120.0f, 600.0f);
    o->Label1_Click(1);
    bool mainShown = false;
    game.dialogs().whileOpen = [&] { mainShown = main.isVisible(); };
    {
        std::optional<ReadOnlyFolder> guard;
        if (readOnlyFolder) {
            guard.emplace(game.folder());
            if (!guard->ok())
                QSKIP(qPrintable(guard->reason()));
        }
        o->Label_Click();
    }
    game.dialogs().whileOpen = nullptr;

    QCOMPARE(game.dialogs().shown.size(), std::size_t {1});
    const QString message = QString::fromStdString(game.dialogs().shown[0].text);
    QVERIFY2(message.contains(QLatin1String("Style.dat")), qPrintable(message));
    QVERIFY(mainShown);
    QTRY_VERIFY(ref.isNull());
    QCOMPARE(settings.Back_Color, RGB(97, 0, 0));
    QCOMPARE(settings.Style_Index, 1);
    if (readOnlyFolder)
        QCOMPARE(game.fileBytes(kStyleFile), old);
}

void TestOptionsClose::closeBoxSavesNothing()
{
    TestGame game;
    Module1& settings = game.form().settings();
    QVERIFY(game.start());
    const std::string old = game.fileBytes(kStyleFile);
    SideWindowRef ref;
    Form3* o = openOptions(game, ref);
    QVERIFY(o);
    o->Label1_Click(2);
    o->Picture3_MouseMove(1, 0, 120.0f, 600.0f);

    ref->close();
    QTRY_VERIFY(ref.isNull());
    QCOMPARE(game.fileBytes(kStyleFile), old);
    QCOMPARE(settings.Style_Index, 2);
    QCOMPARE(settings.Fore_Color, RGB(0, 0, 97));
    QVERIFY(game.dialogs().shown.empty());
}

void TestOptionsClose::mainWindowRedrawsInTheNewStyle()
{
    TestGame game;  // style 1
    QVERIFY(game.start());
    Form1& f = game.form();
    const QColor back = qColour(f.settings().Back_Color);
    // Style 1 draws walls as strokes, which leave part of a wall cell's square
    // in the passage colour; style 2 fills every wall square.
    int wallX = -1, wallY = -1;
    for (int y = 1; y < f.Maze_Height && wallX < 0; ++y)
        for (int x = 1; x < f.Maze_Width - 1 && wallX < 0; ++x)
            if (f.Maze(x, y) == 0 && !squareIs(f.window().surface().image(), x, y, back))
                wallX = x, wallY = y;
    QVERIFY(wallX >= 0);

    SideWindowRef ref;
    Form3* o = openOptions(game, ref);
    QVERIFY(o);
    o->Label1_Click(1);
    o->Label_Click();
    QTRY_VERIFY(ref.isNull());

    QTRY_VERIFY(squareIs(f.window().surface().image(), wallX, wallY, back));
    QVERIFY(f.timer2().isEnabled());
    const QImage& image = f.window().surface().image();
    // Row 0 lies under the high-score line.
    for (int y = 1; y <= f.Maze_Height; ++y)
        for (int x = 0; x <= f.Maze_Width; ++x)
            if (f.Maze(x, y) == 0)
                QVERIFY2(squareIs(image, x, y, back), qPrintable(QStringLiteral("wall %1,%2").arg(x).arg(y)));
    QCOMPARE(game.fileBytes(kStyleFile), std::string("12648447,6299680,1\r\n"));
}

QTEST_MAIN(TestOptionsClose)
#include "test_options_close.moc"
