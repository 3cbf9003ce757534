// Under a German locale the status lines and the Info window read German: the screenshots lie far nearer to the
// same texts drawn here by the game's own code in German than in English.
#include "e2e/screen_reading.h"
#include "platform/translations.h"
#include "render/maze_renderer.h"
#include "side_windows/form2.h"
#include "support/test_game.h"

#include <QtTest>

namespace {

// The colours of the default Style.dat.
const Palette kPalette {QColor(255, 255, 192), QColor(32, 32, 96)};
const QRect kInstructions(8, 8, 393, 225);
// The clock line right of "Time: 00:00" (and of "Zeit: 00:00"), which stays as the clock runs.
const QRect kClockKeys(170, 345, 496, 26);

// Pixels of the area near the ink in one picture and not in the other.
int apart(const QImage& a, const QImage& b, const QRect& area, const QColor& ink)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += near(a.pixel(x, y), ink) != near(b.pixel(x, y), ink);
    return count;
}

// How far the screenshots are from the texts as the game draws them in the language installed now.
int distance(const QImage& main, const QImage& info)
{
    static const MazeGrid grid;
    const std::string name = "<No One>";
    platform::ImageSurface drawn;
    drawn.resize(main.size(), 1.0);
    drawStatusLines(drawn, {grid, 42, 21, 0, {}, 0, name, colourWord(kPalette.fore), 0});
    TestGame game;
    const platform::SideWindowRef shown = Form2::open(game.form().sideWindowServices());
    const auto unload = qScopeGuard([&] { shown->unload(); });
    return apart(main, drawn.image(), highScoreArea(), kPalette.fore)
        + apart(main, drawn.image(), kClockKeys, kPalette.fore)
        + apart(info, shown->grab().toImage(), kInstructions, Qt::yellow);
}

}  // namespace

class E2eLanguageTest : public EndToEndTest {
    Q_OBJECT

private Q_SLOTS:
    void germanLocaleReadsGerman()
    {
        GameRun game(*session_);
        for (const char* name : {"LANGUAGE", "LC_ALL", "LANG"})
            game.setEnvironmentVariable(QString::fromLatin1(name), QStringLiteral("de_DE.UTF-8"));
        game.setEnvironmentVariable(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        QString why;
        const auto window = game.startToWindow({{"High.dat", highFile_}, {"Orvo.dat", "\"<No One>\"\r\n"},
                                                {"Style.dat", "12648447,6299680,0\r\n"}},
                                               GameRun::Focus::Take, 15000, &why);
        const auto scene = window ? waitForScene(*session_, *window, {666, 386}, 42, 21, kPalette, nullptr, 15000, &why)
                                  : std::nullopt;
        QVERIFY2(scene && session_->key(QStringLiteral("i")), qPrintable(why));
        const auto info = session_->waitForWindow(QStringLiteral("^Info$"), 15000);
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT(info && countNear(shot = session_->grab(*info), kInstructions, Qt::yellow) > 500, 15000);
        auto german = std::make_unique<platform::Translations>(QLocale(QLocale::German));
        german->install();
        const int fromGerman = distance(scene->image, shot);
        german.reset();
        const int fromEnglish = distance(scene->image, shot);
        QVERIFY2(fromGerman * 10 < fromEnglish,
                 qPrintable(QStringLiteral("%1 pixels from German, %2 from English").arg(fromGerman).arg(fromEnglish)));
    }
};

QTEST_MAIN(E2eLanguageTest)
#include "test_e2e_language.moc"
