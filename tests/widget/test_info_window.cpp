// The Info window on the offscreen platform: opened by the key I, which stops
// the clock and blanks the main window; closed by any click but on "Options"
// and by the loss of the focus; "Options" hands over to the Options window.
#include "common/module1.h"
#include "platform/surface/colours.h"
#include "platform/surface/image_surface.h"
#include "platform/window/side_window.h"
#include "common/cell_geometry.h"
#include "support/test_game.h"
#include "support/widget_helpers.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>

namespace {

using platform::SideWindow;
using platform::SideWindowRef;
using platform::Twips;

const std::string kInstructions =
    "Instructions:\r\n"
    "You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate through "
    "the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) is, the more "
    "points you earn.";

SideWindow* shownSideWindow(const QString& title)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* side = qobject_cast<SideWindow*>(w);
        if (side && side->isVisible() && side->windowTitle() == title)
            return side;
    }
    return nullptr;
}

QPoint centreOf(Twips t)
{
    return t.pixels().center();
}

// Presses I in the main window as the window system would deliver it.
void pressI(Form1& f)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_I, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.window(), &press);
}

// A click where the window system would put it: on the control at that
// point, or on the window itself.
void clickAt(SideWindow* w, QPoint pixels)
{
    QTest::mouseClick(w->windowHandle(), Qt::LeftButton, Qt::NoModifier, pixels);
}

platform::Label* instructionsLabel(SideWindow* info)
{
    return qobject_cast<platform::Label*>(info->childAt(centreOf(Twips {120, 120, 5895, 3375})));
}

// Nothing on the main window but the wall colour and the player's dot, which
// the play tick goes on drawing.
bool blankButTheDot(Form1& f, QString& why)
{
    const QImage& image = f.window().surface().image();
    const QColor back = platform::toQColor(f.settings().Back_Color);
    const QColor dot = platform::toQColor(kPlayerColour);
    const float cx = cellCentre(f.Player_X);
    const float cy = cellCentre(f.Player_Y);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool onDot = qAbs(x + 0.5 - cx) <= 4 && qAbs(y + 0.5 - cy) <= 4;
            if (c != back && !(onDot && c == dot)) {
                why = QStringLiteral("%1 at %2,%3").arg(c.name()).arg(x).arg(y);
                return false;
            }
        }
    return true;
}

}  // namespace

class TestInfoWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void keyIStopsTheClockBlanksAndShowsTheInstructions();
    void everyClickButOptionsCloses_data();
    void everyClickButOptionsCloses();
    void optionsLabelOpensOptionsAndInfoGoes();
    void keyboardAndAssistiveTechnologyReachEveryControl_data();
    void keyboardAndAssistiveTechnologyReachEveryControl();
    void clockResumesFromTheSameReading();
};


void TestInfoWindow::cleanup()
{
    // A failed test may leave a side window behind; the next test must not
    // find it.
    closeSideWindows();
}

void TestInfoWindow::keyIStopsTheClockBlanksAndShowsTheInstructions()
{
    TestGame game;
    QVERIFY(game.start());
    Form1& f = game.form();
    QVERIFY(f.timer2().isEnabled());

    pressI(f);
    QVERIFY(!f.timer2().isEnabled());
    QTRY_VERIFY(shownSideWindow(QStringLiteral("Info")));
    SideWindowRef info = shownSideWindow(QStringLiteral("Info"));
    QString why;
    QVERIFY2(blankButTheDot(f, why), qPrintable(why));

    platform::Label* label2 = instructionsLabel(info);
    QVERIFY(label2);
    QCOMPARE(label2->caption(), kInstructions);
    QVERIFY(!info->isModal());

    clickAt(info, centreOf(Twips {240, 5000, 1575, 375}));
    QTRY_VERIFY(info.isNull());
}

void TestInfoWindow::everyClickButOptionsCloses_data()
{
    QTest::addColumn<QPoint>("where");     // in pixels; ignored for the focus row
    QTest::addColumn<QRect>("control");    // what lies there; empty for the bare window
    QTest::addColumn<bool>("loseFocus");

    const Twips label1 {120, 3360, 2895, 1695};
    const Twips label2 {120, 120, 5895, 3375};
    const Twips label3 {240, 5000, 1575, 375};
    const Twips image {3000, 2880, 3135, 1770};
    QTest::newRow("credits") << centreOf(label1) << label1.pixels() << false;
    QTest::newRow("instructions") << centreOf(label2) << label2.pixels() << false;
    QTest::newRow("close") << centreOf(label3) << label3.pixels() << false;
    QTest::newRow("logo") << centreOf(image) << image.pixels() << false;
    // Inside the frames, to the right of their labels.
    QTest::newRow("closeFrame") << Twips {1920, 5175, 0, 0}.pixels().topLeft() << QRect() << false;
    QTest::newRow("optionsFrame") << Twips {3960, 5175, 0, 0}.pixels().topLeft() << QRect() << false;
    QTest::newRow("bareWindow") << Twips {5000, 5100, 0, 0}.pixels().topLeft() << QRect() << false;
    QTest::newRow("lostFocus") << QPoint() << QRect() << true;
}

void TestInfoWindow::everyClickButOptionsCloses()
{
    QFETCH(QPoint, where);
    QFETCH(QRect, control);
    QFETCH(bool, loseFocus);
    TestGame game;
    QVERIFY(game.start());
    pressI(game.form());
    QTRY_VERIFY(shownSideWindow(QStringLiteral("Info")));
    SideWindowRef info = shownSideWindow(QStringLiteral("Info"));
    QTRY_VERIFY(info->isActiveWindow());

    if (loseFocus) {
        game.form().window().activateWindow();
    } else {
        QWidget* there = info->childAt(where);
        QCOMPARE(there ? there->geometry() : QRect(), control);
        clickAt(info, where);
    }
    QTRY_VERIFY(info.isNull());
    QVERIFY(!shownSideWindow(QStringLiteral("Options")));
}

void TestInfoWindow::optionsLabelOpensOptionsAndInfoGoes()
{
    TestGame game;
    QVERIFY(game.start());
    pressI(game.form());
    QTRY_VERIFY(shownSideWindow(QStringLiteral("Info")));
    SideWindowRef info = shownSideWindow(QStringLiteral("Info"));
    QTRY_VERIFY(info->isActiveWindow());

    const QPoint onOptions = centreOf(Twips {2280, 5000, 1575, 375});
    auto* label4 = qobject_cast<platform::Label*>(info->childAt(onOptions));
    QVERIFY(label4);
    QCOMPARE(label4->caption(), std::string("Options"));
    clickAt(info, onOptions);

    SideWindowRef options = shownSideWindow(QStringLiteral("Options"));
    QVERIFY(options);
    QCOMPARE(options->windowModality(), Qt::ApplicationModal);
    QCOMPARE(options->parentWidget(), &game.form().window());
    QTRY_VERIFY(info.isNull());
    QVERIFY(options->isVisible());

    options->close();
    QTRY_VERIFY(options.isNull());
}

void TestInfoWindow::keyboardAndAssistiveTechnologyReachEveryControl_data()
{
    QTest::addColumn<bool>("options");  // reached from Info by Tab and Enter
    QTest::addColumn<int>("tabs");      // from the first control; -1 a Shift+Tab
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("value");     // for a choice, checked or not; -1: none
    QTest::addColumn<int>("key");       // then pressed on it; 0: its action done
    QTest::addColumn<int>("after");     // the value then, 1 for a button that closes; -1: nothing pressed
    const auto at = [](int left, int top) { return QPoint(left / 15 + 4, top / 15 + 4); };
    QTest::newRow("instructions") << false << 0 << at(120, 120) << int(QAccessible::StaticText)
                                  << QString::fromStdString(kInstructions).replace("\r\n", "\n") << -1 << 0 << -1;
    QTest::newRow("credits") << false << 0 << at(120, 3360) << int(QAccessible::StaticText)
                             << "Orvo, made by the Orvo project." << -1 << 0 << -1;
    QTest::newRow("close") << false << 0 << at(240, 5000) << int(QAccessible::Button) << "Close" << -1 << int(Qt::Key_Return) << 1;
    QTest::newRow("escape") << false << 0 << at(240, 5000) << int(QAccessible::Button) << "Close" << -1 << int(Qt::Key_Escape) << 1;
    QTest::newRow("options") << false << -1 << at(2280, 5000) << int(QAccessible::Button) << "Options" << -1 << int(Qt::Key_Space) << 1;
    const int styleKeys[] = {0, Qt::Key_Space, Qt::Key_Return};
    for (int i = 0; i < 3; ++i)
        QTest::newRow(qPrintable(QStringLiteral("style%1").arg(i + 1))) << true << i << at(240 + 1560 * i, 675)
            << int(QAccessible::RadioButton) << QStringLiteral("Style %1").arg(i + 1) << int(i == 0) << styleKeys[i] << 1;
    // The walls' bars, then the passages'; Up goes toward 0.
    const char* colours[] = {"red", "green", "blue"};
    const int barKeys[][2] = {{Qt::Key_PageDown, 60}, {Qt::Key_Down, 56}, {Qt::Key_End, 255},
                              {Qt::Key_PageUp, 0}, {Qt::Key_Up, 21}, {Qt::Key_Home, 0}, {0, 255}};
    for (int i = 0; i < 7; ++i)
        QTest::newRow(qPrintable(QStringLiteral("bar%1").arg(i))) << true << 3 + i % 6
            << at((i % 6 < 3 ? 1200 : 3600) + 360 * (i % 3), 1200) << int(QAccessible::Slider)
            << QStringLiteral("%1: %2").arg(i % 6 < 3 ? "Walls" : "Passages", colours[i % 3])
            << 11 * ((i + 3) % 6 + 1) << barKeys[i][0] << barKeys[i][1];
    QTest::newRow("optionsEscape") << true << -1 << at(240, 3075) << int(QAccessible::Button) << "Close" << -1 << int(Qt::Key_Escape) << 1;
}

void TestInfoWindow::keyboardAndAssistiveTechnologyReachEveryControl()
{
    QFETCH(bool, options);
    QFETCH(int, tabs);
    QFETCH(QPoint, at);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(int, value);
    QFETCH(int, key);
    QFETCH(int, after);
    TestGame game;
    QVERIFY(game.start());
    Module1& m = game.form().settings();
    m.Back_Red = 44, m.Back_Green = 55, m.Back_Blue = 66, m.Fore_Red = 11, m.Fore_Green = 22, m.Fore_Blue = 33;
    pressI(game.form());
    SideWindowRef w;
    QTRY_VERIFY((w = shownSideWindow(QStringLiteral("Info"))) && w->isActiveWindow());
    for (Qt::Key k : options ? QList {Qt::Key_Tab, Qt::Key_Enter} : QList<Qt::Key>())
        QTest::keyClick(w->windowHandle(), k);
    QTRY_VERIFY((w = shownSideWindow(options ? QStringLiteral("Options") : QStringLiteral("Info"))) && w->isActiveWindow());
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QWidget* control = w->childAt(at);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
    QAccessibleValueInterface* v = a->valueInterface();
    const auto valueNow = [&] { return v ? v->currentValue().toInt() : a->state().checkable ? a->state().checked : -1; };
    const bool radio = role == QAccessible::RadioButton, button = role == QAccessible::Button;
    QCOMPARE(int(a->role()), role);
    QCOMPARE(a->text(QAccessible::Name), name);
    QCOMPARE(valueNow(), value);
    QCOMPARE(v ? v->maximumValue().toInt() - v->minimumValue().toInt() : 255, 255);
    QCOMPARE(a->actionInterface()->actionNames().contains(radio ? QAccessibleActionInterface::toggleAction()
                                                                : QAccessibleActionInterface::pressAction()),
             radio || button);
    QCOMPARE(a->state().focusable, role != QAccessible::StaticText);
    if (role == QAccessible::StaticText)
        return;
    // The window's activation puts the focus on the first control unseen;
    // Tab and Shift+Tab move it and show it.
    const QImage quiet = w->grab().toImage();
    for (int i = 0; i < qAbs(tabs); ++i)
        QTest::keyClick(w->windowHandle(), Qt::Key_Tab, tabs < 0 ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(QApplication::focusWidget(), control);
    QCOMPARE(w->grab().toImage() == quiet, tabs == 0);
    control->clearFocus();
    QVERIFY(w->grab().toImage() == quiet);
    if (after < 0)
        return;
    control->setFocus();
    if (key)
        QTest::keyClick(w->windowHandle(), Qt::Key(key));
    else if (v)
        v->setCurrentValue(300);
    else
        a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QTRY_VERIFY(!button || w.isNull());
    if (button)
        return;
    QCOMPARE(valueNow(), after);
    // As a drag sets it: the component, and the colour made from the three.
    if (v && name.startsWith(QLatin1String("Walls")))
        QCOMPARE(m.Back_Color, RGB(m.Back_Red, m.Back_Green, m.Back_Blue));
    else if (v)
        QCOMPARE(m.Fore_Color, RGB(m.Fore_Red, m.Fore_Green, m.Fore_Blue));
}

void TestInfoWindow::clockResumesFromTheSameReading()
{
    TestGame game;
    QVERIFY(game.start());
    Form1& f = game.form();
    f.Time_Minutes = 3;
    f.Time_Seconds = 41;

    pressI(f);
    QTRY_VERIFY(shownSideWindow(QStringLiteral("Info")));
    SideWindowRef info = shownSideWindow(QStringLiteral("Info"));
    // Longer than a clock interval, with the event loop running throughout.
    QElapsedTimer open;
    open.start();
    QTRY_VERIFY_WITH_TIMEOUT(open.elapsed() > 1300, 10000);
    QVERIFY(!f.timer2().isEnabled());
    QCOMPARE(f.Time_Minutes, 3);
    QCOMPARE(f.Time_Seconds, 41);

    clickAt(info, centreOf(Twips {240, 5000, 1575, 375}));
    QTRY_VERIFY(info.isNull());
    f.window().activateWindow();
    QTRY_VERIFY(f.timer2().isEnabled());
    QCOMPARE(f.Time_Minutes, 3);
    QCOMPARE(f.Time_Seconds, 41);
    // The maze is back, goal dot and all.
    const QImage& image = f.window().surface().image();
    QCOMPARE(image.pixelColor(int(cellCentre(f.Maze_Width - 1)), int(cellCentre(f.Goal_Y))),
             platform::toQColor(kGoalColour));
    QTRY_COMPARE_WITH_TIMEOUT(f.Time_Seconds, 42, 10000);
    QCOMPARE(f.Time_Minutes, 3);

    // Loaded anew, with the same text.
    pressI(f);
    QTRY_VERIFY(shownSideWindow(QStringLiteral("Info")));
    SideWindowRef again = shownSideWindow(QStringLiteral("Info"));
    QVERIFY(instructionsLabel(again));
    QCOMPARE(instructionsLabel(again)->caption(), kInstructions);
    again->close();
    QTRY_VERIFY(again.isNull());
}

QTEST_MAIN(TestInfoWindow)
#include "test_info_window.moc"
