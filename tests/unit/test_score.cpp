// The score of a finished game and the name stored with a high score.
#include "persist/record.h"
#include "play/score.h"

#include <QTest>

class TestScore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void score_data();
    void score();
    void scoreDigits_data();
    void scoreDigits();
    void storableName_data();
    void storableName();
};

void TestScore::score_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("expected");

    // The smallest maze, 42 x 21: 7 x 882 = 6174.
    QTest::newRow("oneMinute") << 42 << 21 << 1 << 0 << 1020;
    QTest::newRow("oneMinuteOneSecond") << 42 << 21 << 1 << 1 << 1010;
    QTest::newRow("halfAMinute") << 42 << 21 << 0 << 30 << 2050;
    QTest::newRow("twoSeconds") << 42 << 21 << 0 << 2 << 30870;
    QTest::newRow("twentyMinutes") << 42 << 21 << 20 << 0 << 50;
    // Below one point per second the score is 0; just above it is 10.
    QTest::newRow("slowestTen") << 42 << 21 << 102 << 54 << 10;
    QTest::newRow("tooSlowForPoints") << 42 << 21 << 102 << 55 << 0;
    // Faster than the 16-bit range allows: held at its largest value.
    QTest::newRow("oneSecondClamped") << 42 << 21 << 0 << 1 << 32767;
    QTest::newRow("zeroTimeCountsAsOneSecond") << 42 << 21 << 0 << 0 << 32767;
    // 7 x W x H beyond 16 bits: 7 x 83 x 64 = 37184.
    QTest::newRow("largeMazeNoWrap") << 83 << 64 << 1 << 0 << 6190;
    QTest::newRow("largestMaze") << 254 << 129 << 10 << 0 << 3820;
    // The clock at its last minute: 60 x 32767 does not fit 16 bits.
    QTest::newRow("longestGame") << 254 << 129 << 32767 << 59 << 0;
}

void TestScore::score()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, minutes);
    QFETCH(int, seconds);
    QFETCH(int, expected);
    QCOMPARE(int(gameScore(width, height, minutes, seconds)), expected);
}

void TestScore::scoreDigits_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<QByteArray>("digits");
    QTest::newRow("zero") << 0 << QByteArray("0");
    QTest::newRow("typical") << 1020 << QByteArray("1020");
    QTest::newRow("largest") << 32767 << QByteArray("32767");
    QTest::newRow("negativeKeepsSign") << -5 << QByteArray("-5");
}

void TestScore::scoreDigits()
{
    QFETCH(int, score);
    QFETCH(QByteArray, digits);
    QCOMPARE(QByteArray::fromStdString(::scoreDigits(static_cast<std::int16_t>(score))), digits);
}

void TestScore::storableName_data()
{
    QTest::addColumn<QByteArray>("entered");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("plain") << QByteArray("Ann") << QByteArray("Ann");
    QTest::newRow("threeSpaces") << QByteArray("   ") << QByteArray("   ");
    QTest::newRow("outerSpacesKept") << QByteArray(" Bo ") << QByteArray(" Bo ");
    QTest::newRow("quoteToApostrophe") << QByteArray("Al \"Ace\" Bo") << QByteArray("Al 'Ace' Bo");
    QTest::newRow("lineEndsToSpaces") << QByteArray("a\r\nb\rc\nd") << QByteArray("a  b c d");
    QTest::newRow("commaKept") << QByteArray("Smith, J") << QByteArray("Smith, J");
    QTest::newRow("latin1Kept") << QByteArray("J\xF6rg") << QByteArray("J\xF6rg");
}

void TestScore::storableName()
{
    QFETCH(QByteArray, entered);
    QFETCH(QByteArray, stored);
    const std::string name = storableText(entered.toStdString());
    QCOMPARE(QByteArray::fromStdString(name), stored);

    // What is stored reads back as it was shown.
    const std::string record = textRecord(name);
    RecordReader reader(record);
    const auto read = reader.nextField();
    QVERIFY(read.has_value());
    QCOMPARE(QByteArray::fromStdString(*read), stored);
}

QTEST_APPLESS_MAIN(TestScore)
#include "test_score.moc"
