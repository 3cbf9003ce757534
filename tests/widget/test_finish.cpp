// The finish: the score's message, the high score's name box, the two files
// it rewrites, and the new game that follows every finish.
#include "persist/data_files.h"
#include "persist/record.h"
#include "persist/scrambling.h"
#include "platform/text/translations.h"
#include "render/clock.h"
#include "support/test_game.h"

#include <QLockFile>
#include <QProcess>
#include <QTimer>
#include <QTest>

namespace {

std::string scrambledRecord(const std::string& digits)
{
    std::string key = Codes_To_Text(keyTable());
    return textRecord(Xor_Text(digits, key));
}

// Starts a game with the clock at 1:00 (a score of 1020 on the smallest
// maze) and the player one step from the goal.
bool readyToFinish(TestGame& game)
{
    if (!game.start())
        return false;
    Form1& f = game.form();
    f.timer1().setEnabled(false);
    f.timer2().setEnabled(false);
    f.Time_Minutes = 1;
    f.Time_Seconds = 0;
    return placeBesideGoal(f);
}

void expectNewGame(Form1& f)
{
    QCOMPARE(f.Key_Up, 0);
    QCOMPARE(f.Key_Left, 0);
    QCOMPARE(f.Key_Right, 0);
    QCOMPARE(f.Key_Down, 0);
    QCOMPARE(f.Time_Minutes, 0);
    QCOMPARE(f.Time_Seconds, 0);
    QCOMPARE(f.Maze_Width, 42);
    QCOMPARE(f.Maze_Height, 21);
    QVERIFY(f.timer2().isEnabled());
    QVERIFY(f.Maze(f.Player_X, f.Player_Y) != 0);
}

}  // namespace

class TestFinish : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void equalScoreShowsOnlyTheMessage();
    void newHighScoreStoresScoreThenName_data();
    void newHighScoreStoresScoreThenName();
    void noOneIsStoredInEnglishAndShownTranslated();
    void ticksDuringTheDialogsDoNothing();
    void higherScoreSavedMeanwhileStays_data();
    void higherScoreSavedMeanwhileStays();
    void unwritableFileIsReported_data();
    void unwritableFileIsReported();
    void readOnlyFolderKeepsTheOldFiles();
};

void TestFinish::equalScoreShowsOnlyTheMessage()
{
    TestGame game;
    QVERIFY(readyToFinish(game));
    Form1& f = game.form();
    f.High_Score = 1020;
    const std::string high = game.fileBytes(kHighFile);
    const std::string name = game.fileBytes(kNameFile);

    f.Timer1_Timer();

    QCOMPARE(game.dialogs().shown.size(), std::size_t {1});
    QCOMPARE(game.dialogs().shown[0].kind, std::string("message"));
    QCOMPARE(game.dialogs().shown[0].text, std::string("Congratulations! You did it! Your Score:  1020"));
    QCOMPARE(game.dialogs().shown[0].title, std::string("You did it!"));
    QCOMPARE(f.High_Score, 1020);
    QCOMPARE(game.fileBytes(kHighFile), high);
    QCOMPARE(game.fileBytes(kNameFile), name);
    expectNewGame(f);
}

void TestFinish::newHighScoreStoresScoreThenName_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("field");  // the name as Orvo.dat holds it
    const QString dragons = QString(QStringLiteral("\U0001F409")).repeated(300);
    QTest::newRow("cancelled") << QString() << "<No One>" << QByteArray("<No One>");
    QTest::newRow("threeSpaces") << "   " << "   " << QByteArray("   ");
    QTest::newRow("plain") << "Ann" << "Ann" << QByteArray("Ann");
    QTest::newRow("quoted") << "Al \"Ace\"" << "Al 'Ace'" << QByteArray("Al 'Ace'");
    QTest::newRow("lineBreaks") << "Al\r\nBo\n" << "Al  Bo " << QByteArray("Al  Bo ");
    QTest::newRow("tooLongIsCut") << QString(300, u'x') << QString(255, u'x') << QByteArray(255, 'x');
    const QString latin1 = QStringLiteral("J\u00FCrgen \u00D8deg\u00E5rd");
    QTest::newRow("latin1") << latin1 << latin1 << latin1.toLatin1();
    const QString anyScript = QStringLiteral("Ivan \u0434\u043C\u0438\u0442\u0440\u0438\u0439 \u03C9\u03BC\u03AD\u03B3\u03B1 \u738B\u4F1F");
    QTest::newRow("anyScript") << anyScript << anyScript << anyScript.toUtf8();
    QTest::newRow("tooLongIsCutBetweenCharacters") << dragons << dragons.left(510) << dragons.left(510).toUtf8();
}

void TestFinish::newHighScoreStoresScoreThenName()
{
    QFETCH(QString, answer);
    QFETCH(QString, name);
    QFETCH(QByteArray, field);
    TestGame game;
    QVERIFY(readyToFinish(game));
    Form1& f = game.form();
    f.High_Score = 1010;
    game.dialogs().answers.push_back(answer.toStdString());

    f.Timer1_Timer();

    const auto& shown = game.dialogs().shown;
    QCOMPARE(shown.size(), std::size_t {2});
    QCOMPARE(shown[1].kind, std::string("input"));
    QCOMPARE(shown[1].text, std::string("New High Score! Enter your Name!"));
    QCOMPARE(shown[1].title, std::string("High Score!"));
    QCOMPARE(shown[1].defaultText, std::string());
    QCOMPARE(f.High_Score, 1020);
    QCOMPARE(QString::fromStdString(f.High_Name), name);
    QCOMPARE(game.fileBytes(kHighFile), scrambledRecord("1020"));
    QCOMPARE(QByteArray::fromStdString(game.fileBytes(kNameFile)), "\"" + field + "\"\r\n");
    // and the next game reads it back as it was typed
    TestGame next(DataFiles {game.fileBytes(kHighFile), game.fileBytes(kNameFile), game.fileBytes(kStyleFile)});
    QVERIFY(next.form().Form_Load());
    QCOMPARE(QString::fromStdString(next.form().High_Name), name);
    expectNewGame(f);
}

// Orvo.dat reads the same to every player whatever language wrote it.
void TestFinish::noOneIsStoredInEnglishAndShownTranslated()
{
    const platform::Translations german {QLocale(QLocale::German)};
    TestGame game;
    QVERIFY(readyToFinish(game));
    game.form().High_Score = 1010;
    game.dialogs().answers.push_back("");
    game.form().Timer1_Timer();
    QCOMPARE(game.fileBytes(kNameFile), textRecord("<No One>"));
    QCOMPARE(highScoreLine(1020, game.form().High_Name), std::string("Highscore: 1020 von <Niemand>"));
}

void TestFinish::ticksDuringTheDialogsDoNothing()
{
    TestGame game;
    QVERIFY(readyToFinish(game));
    Form1& f = game.form();
    game.dialogs().answers.push_back("Ann");
    const std::int16_t goalX = static_cast<std::int16_t>(f.Maze_Width - 1);
    const std::int16_t goalY = f.Goal_Y;
    int ticks = 0;
    bool stayedOnGoal = true;
    game.dialogs().whileOpen = [&] {
        for (int i = 0; i < 5; ++i, ++ticks) {
            f.Key_Left = f.Key_Right = f.Key_Up = f.Key_Down = -1;
            f.Timer1_Timer();
            stayedOnGoal = stayedOnGoal && f.Player_X == goalX && f.Player_Y == goalY;
        }
    };

    f.Timer1_Timer();
    game.dialogs().whileOpen = nullptr;

    QCOMPARE(ticks, 10);
    QVERIFY(stayedOnGoal);
    QCOMPARE(game.dialogs().shown.size(), std::size_t {2});
    QCOMPARE(f.High_Name, std::string("Ann"));
    expectNewGame(f);
}

void TestFinish::higherScoreSavedMeanwhileStays_data()
{
    // What another game does: save 2050 before the finish or while this one
    // asks for the name, or hold the lock while this one saves.
    QTest::addColumn<QString>("other");
    QTest::newRow("savesBeforeTheFinish") << "saves";
    QTest::newRow("savesWhileNaming") << "savesWhileNaming";
    QTest::newRow("holdsTheLock") << "holdsTheLock";
    QTest::newRow("diedHoldingTheLock") << "died";  // and its lock is taken over
}

// Two games on one folder, the lower score (1020) finishing last.
void TestFinish::higherScoreSavedMeanwhileStays()
{
    QFETCH(QString, other);
    TestGame game;
    QVERIFY(readyToFinish(game));
    game.dialogs().answers.push_back("Ann");
    const std::string highBefore = game.fileBytes(kHighFile), nameBefore = game.fileBytes(kNameFile);
    const auto otherGameSaves = [&game] {
        const platform::DataFolder folder(game.folder());
        QVERIFY(folder.write(kHighFile, scrambledRecord("2050")).ok && folder.write(kNameFile, textRecord("Bea")).ok);
    };
    QLockFile otherGamesLock(QDir(game.folder()).filePath(QStringLiteral("Orvo.lock")));
    game.dialogs().whileOpen = [&] {
        if (game.dialogs().shown.back().kind != "input")
            return;
        if (other == "savesWhileNaming")
            otherGameSaves();
        if (other == "holdsTheLock")
            QVERIFY(otherGamesLock.tryLock());
    };
    if (other == "saves")
        otherGameSaves();
    if (other == "died") {
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForStarted());
        const qint64 pid = gone.processId();
        QVERIFY(gone.waitForFinished());
        QFile lock(otherGamesLock.fileName());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(pid) + "\norvo\n" + QSysInfo::machineHostName().toUtf8() + '\n');
    }
    // The window's events flow while the finish waits for the lock.
    int events = 0;
    QTimer flowing;
    QObject::connect(&flowing, &QTimer::timeout, [&events] { ++events; });
    flowing.start(50);

    game.form().Timer1_Timer();
    game.dialogs().whileOpen = nullptr;

    const std::string told = game.dialogs().shown.back().text;
    if (other == "holdsTheLock") {
        QCOMPARE(game.fileBytes(kHighFile), highBefore);
        QCOMPARE(game.fileBytes(kNameFile), nameBefore);
        QCOMPARE(game.form().High_Score, 1020);
        QCOMPARE(game.form().High_Name, std::string("Ann"));
        QVERIFY2(told.find("another game is saving and holds " + game.folder().toStdString() + "/Orvo.lock")
                     != std::string::npos, told.c_str());
        QVERIFY(events >= 10);
        return;
    }
    if (other == "died") {
        QCOMPARE(game.fileBytes(kHighFile), scrambledRecord("1020"));
        QCOMPARE(game.fileBytes(kNameFile), textRecord("Ann"));
        return;
    }
    QCOMPARE(game.fileBytes(kHighFile), scrambledRecord("2050"));
    QCOMPARE(game.fileBytes(kNameFile), textRecord("Bea"));
    QCOMPARE(game.form().High_Score, 2050);
    QCOMPARE(game.form().High_Name, std::string("Bea"));
    if (other == "savesWhileNaming")
        QCOMPARE(told, std::string("Meanwhile another game saved a high score of 2050 by Bea. Yours does not beat it and is not saved."));
    QVERIFY(!QFile::exists(QDir(game.folder()).filePath(QStringLiteral("Orvo.lock"))));
}

void TestFinish::unwritableFileIsReported_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<bool>("highWritten");
    // High.dat is written first; when it fails the name is not written.
    QTest::newRow("high") << QString::fromLatin1(kHighFile) << false;
    QTest::newRow("name") << QString::fromLatin1(kNameFile) << true;
}

void TestFinish::unwritableFileIsReported()
{
    QFETCH(QString, blocked);
    QFETCH(bool, highWritten);
    TestGame game;
    QVERIFY(readyToFinish(game));
    Form1& f = game.form();
    const std::string oldName = game.fileBytes(kNameFile);
    // A folder in the file's place: no file can be put there, even by root.
    const QString path = game.folder() + QLatin1Char('/') + blocked;
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkdir(path));
    game.dialogs().answers.push_back("Ann");

    f.Timer1_Timer();

    const auto& shown = game.dialogs().shown;
    QCOMPARE(shown.size(), std::size_t {3});
    QVERIFY2(QString::fromStdString(shown[2].text).contains(blocked), shown[2].text.c_str());
    QCOMPARE(f.High_Score, 1020);
    QCOMPARE(f.High_Name, std::string("Ann"));
    if (highWritten)
        QCOMPARE(game.fileBytes(kHighFile), scrambledRecord("1020"));
    else
        QCOMPARE(game.fileBytes(kNameFile), oldName);
    expectNewGame(f);
}

void TestFinish::readOnlyFolderKeepsTheOldFiles()
{
    TestGame game;
    QVERIFY(readyToFinish(game));
    Form1& f = game.form();
    const std::string oldHigh = game.fileBytes(kHighFile);
    const std::string oldName = game.fileBytes(kNameFile);
    game.dialogs().answers.push_back("Ann");
    {
        ReadOnlyFolder readOnly(game.folder());
        if (!readOnly.ok())
            QSKIP(qPrintable(readOnly.reason()));
        f.Timer1_Timer();
    }
    const auto& shown = game.dialogs().shown;
    QCOMPARE(shown.size(), std::size_t {3});
    QVERIFY2(QString::fromStdString(shown[2].text).contains(QLatin1String(kHighFile)), shown[2].text.c_str());
    QCOMPARE(game.fileBytes(kHighFile), oldHigh);
    QCOMPARE(game.fileBytes(kNameFile), oldName);
    QCOMPARE(f.High_Score, 1020);
    expectNewGame(f);
}

QTEST_MAIN(TestFinish)
#include "test_finish.moc"
