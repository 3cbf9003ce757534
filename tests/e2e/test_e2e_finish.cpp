// End-to-end tests of a finished game: the real game walked to the goal with
// held arrow keys, its two dialogs answered, the high-score files it writes
// and the game that follows.
#include "e2e/route_planning.h"
#include "e2e/screen_reading.h"
#include "e2e/x_session.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

#include <cmath>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace {

const QString kTitle = QStringLiteral("^Orvo$");
const QString kScoreTitle = QStringLiteral("^You did it!$");
const QString kNameTitle = QStringLiteral("^High Score!$");
constexpr QSize kStartClient(666, 386);
constexpr int kStartW = 42;
constexpr int kStartH = 21;
constexpr int kWaitMs = 15000;
constexpr int kWalkMs = 120000;
constexpr int kTickMs = 100;
const QByteArray kFirstName("\"Ann\"\r\n");

// The key the game scrambles the high score's digits with, one code per
// position.
constexpr int kScoreKey[] = {201, 147, 178, 233, 140, 215};

// The digits in High.dat, or an explanation of why it holds none.
std::optional<int> storedScore(const QByteArray& bytes, QString* why)
{
    const int length = int(bytes.size()) - 4;
    if (length < 1 || length > int(std::size(kScoreKey)) || !bytes.startsWith('"') || !bytes.endsWith("\"\r\n")) {
        *why = QStringLiteral("High.dat is not one quoted record of up to six characters: ")
            + QString::fromLatin1(bytes.toHex(' '));
        return std::nullopt;
    }
    QByteArray digits;
    for (int i = 0; i < length; ++i)
        digits += char(static_cast<unsigned char>(bytes[1 + i]) ^ kScoreKey[i]);
    bool isNumber = false;
    const int score = digits.toInt(&isNumber);
    if (!isNumber || digits != QByteArray::number(score)) {
        *why = QStringLiteral("High.dat unscrambles to \"%1\"").arg(QString::fromLatin1(digits.toHex(' ')));
        return std::nullopt;
    }
    return score;
}

// The scores the game can have given for a finish after somewhere between
// `leastMs` and `mostMs` of play: its clock counts whole seconds, and a
// tick of it may come a little late.
std::set<int> possibleScores(int cells, qint64 leastMs, qint64 mostMs)
{
    std::set<int> scores;
    const qint64 first = std::max<qint64>(1, (leastMs - 500) / 1000);
    const qint64 last = std::max<qint64>(1, (mostMs + 50) / 1000);
    for (qint64 seconds = first; seconds <= last; ++seconds)
        scores.insert(int(std::floor(double(7 * cells) / double(seconds))) * 10);
    return scores;
}

QString listed(const std::set<int>& scores)
{
    QStringList texts;
    for (int score : scores)
        texts << QString::number(score);
    return texts.join(QStringLiteral(", "));
}

// Walks the player to the goal round a loop closed through the screen: see
// where the dot is, plan the keys from there, hold them, and see again.
// Whatever the keys really did, the next plan starts from where the dot
// actually stopped.
class GoalWalk {
public:
    GoalWalk(const XSession& session, WindowId window, const Maze& maze, QPoint goal, const QElapsedTimer& clock)
        : session_(session), window_(window), maze_(maze), goal_(goal), clock_(clock)
    {
    }

    // True once the player stands on the goal; otherwise `why` tells what
    // went wrong. The keys are let go either way.
    bool run(int timeoutMs, QString* why)
    {
        KeyHold keys(session_);
        QElapsedTimer walk;
        walk.start();
        std::optional<QPoint> at;
        *why = QStringLiteral("the goal was not reached within %1 s").arg(timeoutMs / 1000);
        while (walk.elapsed() < timeoutMs) {
            if (!at) {
                at = look();
                if (!at && !session_.findWindows(kScoreTitle).isEmpty()) {
                    // The message hides the dot: the goal was reached unseen.
                    reached_ = clock_.elapsed();
                    return true;
                }
                if (!at) {
                    pollPause();
                    continue;
                }
            }
            if (*at == goal_)
                return true;
            const std::vector<QPoint> path = shortestPath(maze_, *at, goal_);
            if (path.size() < 2) {
                *why = QStringLiteral("no way leads from (%1, %2) to the goal").arg(at->x()).arg(at->y());
                return false;
            }
            const KeyPlan plan = planKeys(maze_, path);
            const QString failed = QStringLiteral("the keys %1 could not be pressed").arg(plan.keys.join(u'+'));
            if (plan.rests) {
                if (!keys.change(plan.keys)) {
                    *why = failed;
                    return false;
                }
                at = watch(plan);
                if (!at)
                    keys.release();
                continue;
            }
            // The way goes on past the plan's end, so the press must end
            // between its last tick and the next: a press a little shorter
            // than the ticks takes the player there or one cell short, never
            // beyond.
            if (!keys.release() || !session_.pressFor(plan.keys, plan.ticks * kTickMs - 30)) {
                *why = failed;
                return false;
            }
            at.reset();
        }
        return false;
    }

    // When the dot was last seen short of the goal and first seen on it, in
    // milliseconds of the test's clock.
    qint64 lastAway() const { return lastAway_; }
    qint64 reached() const { return reached_; }

private:
    // The dot's cell in a fresh screenshot; nothing when it cannot be seen.
    std::optional<QPoint> look()
    {
        const qint64 before = clock_.elapsed();
        const std::optional<Dot> player = findDot(session_.grab(window_), kPlayer);
        if (!player || !player->single)
            return std::nullopt;
        if (player->cell != goal_)
            lastAway_ = before;
        else if (reached_ == 0)
            reached_ = clock_.elapsed();
        return player->cell;
    }

    // Watches the held keys carry the player to the end of the plan, or to
    // the goal; also stops where the dot stands still short of that, as
    // then the keys did something else than planned. Nothing when the dot
    // was lost from sight.
    std::optional<QPoint> watch(const KeyPlan& plan)
    {
        QElapsedTimer held;
        held.start();
        std::optional<QPoint> previous;
        qint64 sameSince = 0;
        while (held.elapsed() < plan.ticks * kTickMs + 3000) {
            const std::optional<QPoint> at = look();
            if (!at) {
                pollPause();
                continue;
            }
            if (*at == plan.end || *at == goal_)
                return at;
            if (at != previous) {
                previous = at;
                sameSince = held.elapsed();
            } else if (held.elapsed() - sameSince > 4 * kTickMs) {
                return at;
            }
        }
        return std::nullopt;
    }

    const XSession& session_;
    WindowId window_;
    const Maze& maze_;
    QPoint goal_;
    const QElapsedTimer& clock_;
    qint64 lastAway_ = 0;
    qint64 reached_ = 0;
};

}  // namespace

class E2eFinishTest : public EndToEndTest {
    Q_OBJECT

private:
    QMap<QString, QByteArray> dataFiles() const
    {
        // Style index 1 fills each wall's square, so the maze can be read
        // exactly.
        return {
            {QStringLiteral("High.dat"), highFile_},
            {QStringLiteral("Orvo.dat"), kFirstName},
            {QStringLiteral("Style.dat"), QByteArray::number(colourWord(palette_.fore)) + ','
                                              + QByteArray::number(colourWord(palette_.back)) + ",1\r\n"},
        };
    }

    void sessionStarted() override
    {
        QString why;
        QVERIFY2(storedScore(highFile_, &why) == 0, "the shipped High.dat should hold a score of 0");
        clock_.start();
    }

    QElapsedTimer clock_;
    const Palette palette_ {QColor(250, 240, 200), QColor(40, 40, 90)};

private Q_SLOTS:
    // Reaching the blue dot shows the score, asks for a name because the
    // shipped high score of 0 is beaten, stores score and name, and goes on
    // with a new maze under the new high-score line. A cancelled name box
    // stores "<No One>". Where the files cannot be saved, a message says
    // so, the files on disk stay as they were, and the game plays on with
    // the new high score in memory.
    void finishStoresHighScore_data()
    {
        QTest::addColumn<bool>("named");
        QTest::addColumn<QByteArray>("nameRecord");
        QTest::addColumn<int>("fault");
        QTest::newRow("named") << true << QByteArray("\"Tess\"\r\n") << int(SaveFault::None);
        QTest::newRow("cancelled") << false << QByteArray("\"<No One>\"\r\n") << int(SaveFault::None);
        QTest::newRow("read_only_folder") << true << kFirstName << int(SaveFault::ReadOnlyFolder);
        QTest::newRow("full_disk") << true << kFirstName << int(SaveFault::FullDisk);
        QTest::newRow("lock_held_by_another_game") << true << kFirstName << int(SaveFault::LockHeld);
    }

    void finishStoresHighScore()
    {
        QFETCH(bool, named);
        QFETCH(QByteArray, nameRecord);
        QFETCH(int, fault);
        const SaveFault saveFault = SaveFault(fault);
        GameRun game(*session_);
        QString why;
        if (!game.prepareFault(saveFault, &why))
            QSKIP(qPrintable(why));
        const std::optional<WindowId> window =
            game.startToWindow(dataFiles(), GameRun::Focus::Take, kWaitMs, &why);
        QVERIFY2(window, qPrintable(why));
        std::optional<Scene> scene =
            waitForScene(*session_, *window, kStartClient, kStartW, kStartH, palette_, nullptr, kWaitMs, &why);
        QVERIFY2(scene, qPrintable(why));
        // The game has read its files by the time it shows a maze.
        if (!game.applyFault(saveFault, &why)) {
            if (saveFault == SaveFault::ReadOnlyFolder)
                QSKIP(qPrintable(why));
            QFAIL(qPrintable(why));
        }
        const QStringList entries = game.folderEntries();

        // A fresh maze, so that its start is known to within a screenshot;
        // another one while the goal is left over from an earlier maze and
        // lies on a wall.
        qint64 askedAt = 0;
        qint64 shownAt = 0;
        std::optional<Maze> maze;
        std::optional<Dot> goal;
        for (int attempt = 1; attempt <= 10 && !(maze && goal && goal->single && maze->isOpen(goal->cell));
             ++attempt) {
            const Maze previous = scene->maze;
            askedAt = clock_.elapsed();
            QVERIFY(session_->key(QStringLiteral("n")));
            scene = waitForScene(*session_, *window, kStartClient, kStartW, kStartH, palette_, &previous, kWaitMs,
                                 &why);
            shownAt = clock_.elapsed();
            QVERIFY2(scene, qPrintable(QStringLiteral("after N: ") + why));
            maze = readSquares(scene->image, kStartW, kStartH, palette_, &why);
            QVERIFY2(maze, qPrintable(why));
            goal = findDot(scene->image, kGoal);
        }
        QVERIFY2(goal && goal->single && maze->isOpen(goal->cell),
                 qPrintable(QStringLiteral("in ten mazes the blue dot never lay on a passage: ") + where(goal)));

        GoalWalk walk(*session_, *window, *maze, goal->cell, clock_);
        QVERIFY2(walk.run(kWalkMs, &why), qPrintable(why));

        const std::optional<WindowId> scoreBox = session_->waitForWindow(kScoreTitle, kWaitMs);
        QVERIFY2(scoreBox, "no message titled \"You did it!\" appeared at the goal");
        QCOMPARE(session_->findWindows(kScoreTitle).size(), 1);
        QVERIFY2(session_->activate(*scoreBox), "the score message could not be activated");
        QVERIFY(session_->key(QStringLiteral("Return")));

        const std::optional<WindowId> nameBox = session_->waitForWindow(kNameTitle, kWaitMs);
        QVERIFY2(nameBox, "no input box titled \"High Score!\" followed the new high score");
        QVERIFY2(session_->findWindows(kScoreTitle).isEmpty(), "the score message stayed open");
        QVERIFY2(session_->activate(*nameBox), "the name box could not be activated");
        if (named) {
            QVERIFY(session_->type(QStringLiteral("Tess")));
            QVERIFY(session_->key(QStringLiteral("Return")));
        } else {
            QVERIFY(session_->key(QStringLiteral("Escape")));
        }
        if (saveFault != SaveFault::None) {
            const std::optional<WindowId> message = session_->waitForWindow(kTitle, kWaitMs, *window);
            QVERIFY2(message, qPrintable(QStringLiteral("no message titled Orvo told of the failed save; the game wrote: ")
                                         + QString::fromLocal8Bit(game.standardError())));
            QVERIFY2(session_->activate(*message), "the message could not be activated");
            QVERIFY(session_->key(QStringLiteral("Return")));
        }

        // The files are written before the next maze is drawn.
        const std::optional<Scene> next =
            waitForScene(*session_, *window, kStartClient, kStartW, kStartH, palette_, &scene->maze, kWaitMs, &why);
        QVERIFY2(next, qPrintable(QStringLiteral("after the finish: ") + why));
        for (const QString& title : {kScoreTitle, kNameTitle})
            QVERIFY2(session_->findWindows(title).isEmpty(), qPrintable(title + QStringLiteral(" is still open")));
        QCOMPARE(session_->findWindows(kTitle), QList<WindowId> {*window});
        QCOMPARE(game.fileBytes(QStringLiteral("Orvo.dat")), std::optional<QByteArray>(nameRecord));
        // Whole files or none: nothing is left over from the writing.
        QCOMPARE(game.folderEntries(), entries);
        const std::optional<QByteArray> high = game.fileBytes(QStringLiteral("High.dat"));
        QVERIFY2(high, "High.dat is gone");
        if (saveFault != SaveFault::None) {
            QCOMPARE(*high, highFile_);
            QVERIFY2(game.standardError().contains("Orvo could not save High.dat")
                         && game.standardError().contains("another game is saving and holds")
                                == (saveFault == SaveFault::LockHeld),
                     qPrintable(QStringLiteral("the game wrote: ") + QString::fromLocal8Bit(game.standardError())));
        } else {
            const std::optional<int> stored = storedScore(*high, &why);
            QVERIFY2(stored, qPrintable(why));
            const std::set<int> expected =
                possibleScores(kStartW * kStartH, walk.lastAway() - shownAt, walk.reached() - askedAt);
            QVERIFY2(expected.count(*stored),
                     qPrintable(QStringLiteral("High.dat holds %1; a finish after %2 to %3 ms scores one of %4")
                                    .arg(*stored)
                                    .arg(walk.lastAway() - shownAt)
                                    .arg(walk.reached() - askedAt)
                                    .arg(listed(expected))));
        }

        // The new maze already shows the new high-score line, and keeps
        // showing it.
        const QImage oldLine = scene->image.copy(highScoreArea());
        const QImage newLine = next->image.copy(highScoreArea());
        QVERIFY2(newLine != oldLine, "the high-score line did not change");
        QVERIFY(session_->activate(*window));
        QVERIFY(session_->key(QStringLiteral("n")));
        const std::optional<Scene> later =
            waitForScene(*session_, *window, kStartClient, kStartW, kStartH, palette_, &next->maze, kWaitMs, &why);
        QVERIFY2(later, qPrintable(QStringLiteral("after N: ") + why));
        QVERIFY2(later->image.copy(highScoreArea()) == newLine, "the high-score line changed again on N");
    }
};

QTEST_GUILESS_MAIN(E2eFinishTest)
#include "test_e2e_finish.moc"
