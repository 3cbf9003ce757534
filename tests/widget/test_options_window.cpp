// The Options window on the offscreen platform: picking colour components on
// the gradient bars, the two previews, the pick lines, and what a new opening
// of the window keeps.
#include "common/module1.h"
#include "platform/surface/image_surface.h"
#include "platform/window/picture_box.h"
#include "platform/window/side_window.h"
#include "side_windows/form3.h"
#include "support/test_game.h"
#include "support/widget_helpers.h"

#include <QApplication>
#include <QTest>

namespace {

using platform::SideWindow;
using platform::SideWindowRef;

const QColor kYellow(255, 255, 0);
constexpr int kAllBars[] = {1, 2, 3, 5, 6, 7};

void moveOn(Form3& o, int bar, std::int16_t button, float y)
{
    const float x = 120.0f;
    switch (bar) {
    case 1: o.Picture1_MouseMove(button, 0, x, y); break;
    case 2: o.Picture2_MouseMove(button, 0, x, y); break;
    case 3: o.Picture3_MouseMove(button, 0, x, y); break;
    case 5: o.Picture5_MouseMove(button, 0, x, y); break;
    case 6: o.Picture6_MouseMove(button, 0, x, y); break;
    case 7: o.Picture7_MouseMove(button, 0, x, y); break;
    default: QFAIL("no such bar");
    }
}

std::int16_t& componentOf(Module1& settings, int bar)
{
    std::int16_t* const components[] = {nullptr, &settings.Fore_Red, &settings.Fore_Green, &settings.Fore_Blue,
                                        nullptr, &settings.Back_Red, &settings.Back_Green, &settings.Back_Blue};
    return *components[bar];
}

ColourWord withChannel(ColourWord colour, int channel, int value)
{
    const int shift = 8 * channel;
    return (colour & ~(0xFF << shift)) | (value << shift);
}

bool allOf(const QImage& image, const QColor& colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != colour)
                return false;
    return true;
}

// The rows of a bar's drawing that show yellow; a pick line fills its row.
QList<int> pickRows(const platform::PictureBox* bar)
{
    const QImage& image = bar->drawing();
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        int yellow = 0;
        for (int x = 0; x < image.width(); ++x)
            yellow += image.pixelColor(x, y) == kYellow ? 1 : 0;
        if (yellow == image.width())
            rows.append(y);
        else if (yellow > 0)
            rows.append(-1 - y);  // a partial line: never expected
    }
    return rows;
}

}  // namespace

class TestOptionsWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void pickRule_data();
    void pickRule();
    void pickOnEachBar_data();
    void pickOnEachBar();
    void moveWithoutPickSetsThePreview_data();
    void moveWithoutPickSetsThePreview();
    void mouseDragPicks();
    void reopeningKeepsComponentsWithoutPickLines();
    void mainWindowTakesNoKeysWhileOpen();
};


void TestOptionsWindow::cleanup()
{
    closeSideWindows();
}

void TestOptionsWindow::pickRule_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("picked");  // -1: nothing picked

    QTest::newRow("atTop") << 1 << 0.0f << -1;
    QTest::newRow("justBelowTop") << 1 << 1.5f << 0;
    QTest::newRow("oneRowDown") << 1 << 15.0f << 2;
    QTest::newRow("middle") << 1 << 600.0f << 97;
    QTest::newRow("lastTwip") << 1 << 1574.0f << 255;
    QTest::newRow("outerHeight") << 1 << 1575.0f << -1;
    QTest::newRow("above") << 1 << -5.0f << -1;
    QTest::newRow("right") << 2 << 600.0f << -1;
    QTest::newRow("leftAndRight") << 3 << 600.0f << -1;
    QTest::newRow("middleButton") << 4 << 600.0f << -1;
    QTest::newRow("noButton") << 0 << 600.0f << -1;
    // 52.5 and 157.5 twips lie exactly half-way: 8.5 and 25.5.
    QTest::newRow("tieDown") << 1 << 52.5f << 8;
    QTest::newRow("tieUp") << 1 << 157.5f << 26;
}

void TestOptionsWindow::pickRule()
{
    QFETCH(int, button);
    QFETCH(float, y);
    QFETCH(int, picked);
    const std::optional<std::int16_t> got = Form3::pickedComponent(static_cast<std::int16_t>(button), y, 1575.0f);
    QCOMPARE(got.has_value() ? int(*got) : -1, picked);
}

void TestOptionsWindow::pickOnEachBar_data()
{
    QTest::addColumn<int>("bar");
    for (int bar : kAllBars)
        QTest::newRow(qPrintable(QStringLiteral("picture%1").arg(bar))) << bar;
}

void TestOptionsWindow::pickOnEachBar()
{
    QFETCH(int, bar);
    const bool fore = bar < 4;
    const int channel = (bar - 1) % 4;
    const int first = fore ? 1 : 5;
    const int other = first + (channel + 2) % 3;  // Picture2 then Picture1, and so on
    // The default Style.dat holds other colours; they do not seed the components.
    TestGame game;
    Module1& settings = game.form().settings();
    QVERIFY(game.start());
    const ColourWord untouched = fore ? settings.Back_Color : settings.Fore_Color;
    SideWindowRef ref;
    Form3* o = openOptions(game, ref);
    QVERIFY(o);
    ColourWord& colour = fore ? settings.Fore_Color : settings.Back_Color;
    const QImage& preview = o->picture(fore ? 4 : 8)->drawing();
    for (int b : kAllBars)
        QCOMPARE(pickRows(o->picture(b)), QList<int>());

    moveOn(*o, bar, 1, 600.0f);
    QCOMPARE(componentOf(settings, bar), 97);
    QCOMPARE(colour, withChannel(0, channel, 97));
    QCOMPARE(fore ? settings.Back_Color : settings.Fore_Color, untouched);
    QVERIFY(allOf(preview, qColour(colour)));
    if (!fore)
        QVERIFY(allOf(game.form().window().surface().image(), qColour(colour)));
    QCOMPARE(pickRows(o->picture(bar)), QList<int>({40}));

    // A second pick on the bar moves its line.
    moveOn(*o, bar, 1, 900.0f);
    QCOMPARE(componentOf(settings, bar), 146);
    QCOMPARE(pickRows(o->picture(bar)), QList<int>({60}));

    // A pick on another bar of the colour keeps this one's component and line.
    moveOn(*o, other, 1, 300.0f);
    QCOMPARE(componentOf(settings, other), 49);
    QCOMPARE(colour, withChannel(withChannel(0, channel, 146), (channel + 2) % 3, 49));
    QVERIFY(allOf(preview, qColour(colour)));
    if (!fore)
        QVERIFY(allOf(game.form().window().surface().image(), qColour(colour)));
    QCOMPARE(pickRows(o->picture(bar)), QList<int>({60}));
    QCOMPARE(pickRows(o->picture(other)), QList<int>({20}));
    ref->close();
}

void TestOptionsWindow::moveWithoutPickSetsThePreview_data()
{
    QTest::addColumn<int>("bar");
    QTest::addColumn<int>("button");
    QTest::addColumn<float>("y");
    for (int bar : {1, 6}) {
        const QString side = bar < 4 ? QStringLiteral("fore") : QStringLiteral("back");
        QTest::newRow(qPrintable(side + "NoButton")) << bar << 0 << 600.0f;
        QTest::newRow(qPrintable(side + "Right")) << bar << 2 << 600.0f;
        QTest::newRow(qPrintable(side + "LeftAndRight")) << bar << 3 << 600.0f;
        QTest::newRow(qPrintable(side + "Middle")) << bar << 4 << 600.0f;
        QTest::newRow(qPrintable(side + "AtTop")) << bar << 1 << 0.0f;
        QTest::newRow(qPrintable(side + "Above")) << bar << 1 << -15.0f;
        QTest::newRow(qPrintable(side + "Below")) << bar << 1 << 1575.0f;
    }
}

void TestOptionsWindow::moveWithoutPickSetsThePreview()
{
    QFETCH(int, bar);
    QFETCH(int, button);
    QFETCH(float, y);
    TestGame game;
    Module1& settings = game.form().settings();
    QVERIFY(game.start());
    SideWindowRef ref;
    Form3* o = openOptions(game, ref);
    QVERIFY(o);
    settings.Fore_Red = 10, settings.Fore_Green = 20, settings.Fore_Blue = 30;
    settings.Back_Red = 40, settings.Back_Green = 50, settings.Back_Blue = 60;
    // Colours the previews do not show yet, and that no pick would give.
    settings.Fore_Color = RGB(1, 2, 3);
    settings.Back_Color = RGB(4, 5, 6);

    moveOn(*o, bar, static_cast<std::int16_t>(button), y);

    QCOMPARE(settings.Fore_Red, 10);
    QCOMPARE(settings.Fore_Green, 20);
    QCOMPARE(settings.Fore_Blue, 30);
    QCOMPARE(settings.Back_Red, 40);
    QCOMPARE(settings.Back_Green, 50);
    QCOMPARE(settings.Back_Blue, 60);
    QCOMPARE(settings.Fore_Color, RGB(1, 2, 3));
    QCOMPARE(settings.Back_Color, RGB(4, 5, 6));
    QCOMPARE(pickRows(o->picture(bar)), QList<int>());
    if (bar < 4) {
        QVERIFY(allOf(o->picture(4)->drawing(), qColour(RGB(1, 2, 3))));
    } else {
        QVERIFY(allOf(o->picture(8)->drawing(), qColour(RGB(4, 5, 6))));
        QVERIFY(allOf(game.form().window().surface().image(), qColour(RGB(4, 5, 6))));
    }
    ref->close();
}

void TestOptionsWindow::mouseDragPicks()
{
    TestGame game;
    Module1& settings = game.form().settings();
    QVERIFY(game.start());
    SideWindowRef ref;
    Form3* o = openOptions(game, ref);
    QVERIFY(o);
    QVERIFY(QTest::qWaitForWindowExposed(ref));
    QWindow* window = ref->windowHandle();
    // Window coordinates of a point at row y of a bar's drawing.
    auto onBar = [&](int bar, int y) {
        return o->picture(bar)->geometry().topLeft() + QPoint(platform::PictureBox::kBorder + 7,
                                                              platform::PictureBox::kBorder + y);
    };

    QTest::mouseMove(window, onBar(2, 19));
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, onBar(2, 19));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, onBar(2, 19));
    QCOMPARE(settings.Fore_Green, 0);
    QCOMPARE(pickRows(o->picture(2)), QList<int>());

    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, onBar(2, 19));
    QTest::mouseMove(window, onBar(2, 40));
    QCOMPARE(settings.Fore_Green, 97);
    QCOMPARE(settings.Fore_Color, RGB(0, 97, 0));
    QCOMPARE(pickRows(o->picture(2)), QList<int>({40}));
    // Held over the red bar, the pointer still belongs to the green one.
    QTest::mouseMove(window, onBar(1, 60));
    QCOMPARE(settings.Fore_Green, 146);
    QCOMPARE(settings.Fore_Red, 0);
    QCOMPARE(pickRows(o->picture(1)), QList<int>());
    QCOMPARE(pickRows(o->picture(2)), QList<int>({60}));
    // Above the bar: nothing.
    QTest::mouseMove(window, onBar(2, -10));
    QCOMPARE(settings.Fore_Green, 146);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, onBar(2, -10));
    QTest::mouseMove(window, onBar(2, 20));
    QCOMPARE(settings.Fore_Green, 146);
    QCOMPARE(pickRows(o->picture(2)), QList<int>({60}));
    QVERIFY(allOf(o->picture(4)->drawing(), qColour(RGB(0, 146, 0))));
    ref->close();
}

void TestOptionsWindow::reopeningKeepsComponentsWithoutPickLines()
{
    TestGame game;
    Module1& settings = game.form().settings();
    QVERIFY(game.start());
    SideWindowRef ref;
    Form3* o = openOptions(game, ref);
    QVERIFY(o);
    moveOn(*o, 1, 1, 300.0f);
    moveOn(*o, 2, 1, 600.0f);
    moveOn(*o, 6, 1, 900.0f);
    ref->close();
    QTRY_VERIFY(ref.isNull());

    o = openOptions(game, ref);
    QVERIFY(o);
    QCOMPARE(settings.Fore_Red, 49);
    QCOMPARE(settings.Fore_Green, 97);
    QCOMPARE(settings.Back_Green, 146);
    QVERIFY(allOf(o->picture(4)->drawing(), qColour(RGB(49, 97, 0))));
    QVERIFY(allOf(o->picture(8)->drawing(), qColour(RGB(0, 146, 0))));
    for (int bar : kAllBars) {
        QCOMPARE(pickRows(o->picture(bar)), QList<int>());
        // A plain gradient: dark at the top, its own channel bright at the bottom.
        const QImage& image = o->picture(bar)->drawing();
        const int channel = (bar - 1) % 4;
        const QColor top = image.pixelColor(7, 0);
        const QColor bottom = image.pixelColor(7, image.height() - 1);
        QVERIFY(top.red() + top.green() + top.blue() < 10);
        const int lit[] = {bottom.red(), bottom.green(), bottom.blue()};
        for (int c = 0; c < 3; ++c)
            QVERIFY2(c == channel ? lit[c] >= 240 : lit[c] == 0, qPrintable(bottom.name()));
    }
    ref->close();
}

void TestOptionsWindow::mainWindowTakesNoKeysWhileOpen()
{
    TestGame game;
    QVERIFY(game.start());
    Form1& f = game.form();
    f.timer2().setEnabled(false);
    f.Time_Minutes = 5;
    SideWindowRef ref;
    QVERIFY(openOptions(game, ref));
    QVERIFY(QTest::qWaitForWindowExposed(ref));
    QWindow* main = f.window().windowHandle();

    QTest::keyClick(main, Qt::Key_N);
    QTest::keyClick(main, Qt::Key_I);
    QTest::keyPress(main, Qt::Key_Left);
    QCOMPARE(f.Time_Minutes, 5);
    QCOMPARE(f.Key_Left, 0);
    QVERIFY(!f.timer2().isEnabled());
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY(w == ref || !qobject_cast<SideWindow*>(w));

    // Once the window has gone the same keys arrive.
    ref->close();
    QTRY_VERIFY(ref.isNull());
    QTest::keyPress(main, Qt::Key_Left);
    QCOMPARE(f.Key_Left, -1);
}

QTEST_MAIN(TestOptionsWindow)
#include "test_options_window.moc"
