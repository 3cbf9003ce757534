// The game clock and the two text lines of the main window: how a reading
// advances, the clock line, the high-score line, and the two number forms
// they are written with.
#include "common/text_forms.h"
#include "render/clock.h"

#include <QtTest>

#include <cstdint>

namespace {

ClockReading reading(int minutes, int seconds)
{
    return {static_cast<std::int16_t>(minutes), static_cast<std::int16_t>(seconds)};
}

const QString kKeyHelp = QStringLiteral("  N = New Game  Esc = End  I = Info");

} // namespace

class TestClock : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void advanced_data();
    void advanced();
    void anHourOfTicks();
    void clockLine_data();
    void clockLine();
    void highScoreLine_data();
    void highScoreLine();
    void twoDigitForm_data();
    void twoDigitForm();
    void signSpaceForm_data();
    void signSpaceForm();
};

void TestClock::advanced_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("nextMinutes");
    QTest::addColumn<int>("nextSeconds");

    QTest::newRow("firstTick") << 0 << 0 << 0 << 1;
    QTest::newRow("lastSecondOfFirstMinute") << 0 << 58 << 0 << 59;
    QTest::newRow("intoSecondMinute") << 0 << 59 << 1 << 0;
    QTest::newRow("midMinute") << 1 << 30 << 1 << 31;
    QTest::newRow("minutesPassAnHour") << 59 << 59 << 60 << 0;
    QTest::newRow("threeDigitMinutes") << 99 << 59 << 100 << 0;
    QTest::newRow("lastMinuteStillTicks") << 32767 << 58 << 32767 << 59;
    QTest::newRow("intoLastMinute") << 32766 << 59 << 32767 << 0;
    // Going on would overflow the 16-bit minutes: the clock stops there.
    QTest::newRow("lastReadingStays") << 32767 << 59 << 32767 << 59;
}

void TestClock::advanced()
{
    QFETCH(int, minutes);
    QFETCH(int, seconds);
    QFETCH(int, nextMinutes);
    QFETCH(int, nextSeconds);

    const ClockReading next = ::advanced(reading(minutes, seconds));
    QCOMPARE(int(next.minutes), nextMinutes);
    QCOMPARE(int(next.seconds), nextSeconds);
}

void TestClock::anHourOfTicks()
{
    // Every reading on the way is a valid one and the seconds carry exactly
    // once a minute.
    ClockReading r;
    for (int tick = 1; tick <= 3661; ++tick) {
        r = ::advanced(r);
        QVERIFY2(r.seconds >= 0 && r.seconds <= 59, qPrintable(QString::number(tick)));
        QCOMPARE(60 * r.minutes + r.seconds, tick);
    }
    QCOMPARE(r, reading(61, 1));
}

void TestClock::clockLine_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("time");

    QTest::newRow("newGame") << 0 << 0 << "Time: 00:00";
    QTest::newRow("threeSevenPadded") << 3 << 7 << "Time: 03:07";
    QTest::newRow("twoDigitsEach") << 59 << 59 << "Time: 59:59";
    QTest::newRow("anHour") << 60 << 0 << "Time: 60:00";
    QTest::newRow("threeDigitMinutes") << 125 << 5 << "Time: 125:05";
    QTest::newRow("lastReading") << 32767 << 59 << "Time: 32767:59";
}

void TestClock::clockLine()
{
    QFETCH(int, minutes);
    QFETCH(int, seconds);
    QFETCH(QString, time);

    QCOMPARE(QString::fromStdString(::clockLine(reading(minutes, seconds))), time + kKeyHelp);
}

void TestClock::highScoreLine_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("line");

    QTest::newRow("noScoreYet") << 0 << "<No One>" << "Highscore: 0 by <No One>";
    QTest::newRow("fourDigits") << 1234 << "Ann" << "Highscore: 1234 by Ann";
    QTest::newRow("negativeHasNoSpace") << -5 << "x" << "Highscore:-5 by x";
    QTest::newRow("largest") << 32767 << "Bo Li" << "Highscore: 32767 by Bo Li";
    QTest::newRow("smallest") << -32768 << "y" << "Highscore:-32768 by y";
    QTest::newRow("emptyName") << 10 << "" << "Highscore: 10 by ";
}

void TestClock::highScoreLine()
{
    QFETCH(int, score);
    QFETCH(QString, name);
    QFETCH(QString, line);

    const std::string text = ::highScoreLine(static_cast<std::int16_t>(score), name.toStdString());
    QCOMPARE(QString::fromStdString(text), line);
}

void TestClock::twoDigitForm_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0 << "00";
    QTest::newRow("oneDigit") << 7 << "07";
    QTest::newRow("nine") << 9 << "09";
    QTest::newRow("ten") << 10 << "10";
    QTest::newRow("twoDigits") << 59 << "59";
    QTest::newRow("threeDigits") << 123 << "123";
    QTest::newRow("fiveDigits") << 32767 << "32767";
}

void TestClock::twoDigitForm()
{
    QFETCH(int, n);
    QFETCH(QString, text);

    QCOMPARE(QString::fromStdString(::twoDigitForm(n)), text);
}

void TestClock::signSpaceForm_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0 << " 0";
    QTest::newRow("positive") << 1020 << " 1020";
    QTest::newRow("oneDigit") << 7 << " 7";
    QTest::newRow("minusOne") << -1 << "-1";
    QTest::newRow("negative") << -5 << "-5";
    QTest::newRow("smallest16Bit") << -32768 << "-32768";
}

void TestClock::signSpaceForm()
{
    QFETCH(int, n);
    QFETCH(QString, text);

    QCOMPARE(QString::fromStdString(::signSpaceForm(n)), text);
}

QTEST_APPLESS_MAIN(TestClock)
#include "test_clock.moc"
