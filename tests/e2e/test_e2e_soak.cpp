// End-to-end soak test: the real game played for minutes with random input,
// watched for a crash, a sanitizer report, an unexpected message and memory
// that keeps growing, and asked at the end whether it still answers.
//
// ORVO_SOAK_SECONDS sets the length of the random play (the build's default
// is ORVO_SOAK_DEFAULT_SECONDS); ORVO_SOAK_SEED replays the input of a run,
// whose seed the log shows.
#include "e2e/memory_watch.h"
#include "e2e/screen_reading.h"
#include "e2e/soak_driver.h"
#include "e2e/x_session.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

const QString kTitle = QStringLiteral("^Orvo$");
constexpr QSize kOpening(666, 386);
constexpr int kWaitMs = 30000;

// Every few seconds the play stops and the window is brought back to the
// size it opened with before the memory is read. The game holds two
// pictures of its client area, its own and the window system's backing
// store, 4 bytes a pixel each: 92 MiB at 4000 x 3000, against some 35 MiB
// for all the rest. Read at any size, the figure would follow the window
// and drown a leak; read at one size, it compares like with like.
constexpr qint64 kCheckpointMs = 5000;

// The warm-up is the first third of the run, at most a minute: long enough
// for every kind of action to have come several times and the allocator's
// caches and, under AddressSanitizer, its quarantine to have filled. After
// it, no reading may lie more than a margin above the warm-up's highest.
// In runs without a leak, later readings lay at most 1 MiB above it in the
// normal build. In the sanitizer build, whose allocator keeps freed blocks
// for reuse, readings scattered over 13 MiB and the later ones rose up to
// 3.3 MiB above the warm-up's highest in four minutes. A leak of 1 MiB at
// each N, some 20 a minute, fails a one-minute run of the normal build.
constexpr qint64 kMaxWarmUpMs = 60000;
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kMarginKiB = 16 * 1024;
#else
constexpr qint64 kMarginKiB = 8 * 1024;
#endif
constexpr int kLeastLaterSamples = 3;

// glibc's malloc raises its threshold for handing large blocks straight to
// the system each time such a block is freed, up to 32 MiB, and keeps up to
// twice the threshold unreturned at the top of its heap. The pictures of a
// window that changes size then stay in the heap, and the resident figure
// wanders by tens of MiB with the order of the sizes rather than with what
// the game holds. A fixed threshold gives every picture back when it is
// freed; a leaked one still counts.
const QString kMmapThreshold = QStringLiteral("131072");

// AddressSanitizer holds freed memory back for a while to catch its use
// after free. Its default of 256 MiB would fill slowly over the run and look
// like growth, and whatever it holds at a reading counts: with 16 MiB the
// readings swung by 27 MiB. 4 MiB still keeps what the last few actions
// freed poisoned.
const QString kQuarantine = QStringLiteral("quarantine_size_mb=4");

std::optional<int> soakSeconds()
{
    const QByteArray given = qgetenv("ORVO_SOAK_SECONDS");
    if (given.isEmpty())
        return ORVO_SOAK_DEFAULT_SECONDS;
    bool isNumber = false;
    const int seconds = given.toInt(&isNumber);
    return isNumber && seconds > 0 ? std::optional<int>(seconds) : std::nullopt;
}

std::optional<quint64> soakSeed()
{
    const QByteArray given = qgetenv("ORVO_SOAK_SEED");
    if (given.isEmpty())
        return QRandomGenerator::system()->generate64();
    bool isNumber = false;
    const quint64 seed = given.toULongLong(&isNumber);
    return isNumber ? std::optional<quint64>(seed) : std::nullopt;
}

// The first line of a sanitizer's report in the game's standard error.
QString sanitizerReport(const QByteArray& err)
{
    for (const char* mark : {"ERROR: AddressSanitizer", "runtime error:", "LeakSanitizer"}) {
        const qsizetype at = err.indexOf(mark);
        if (at >= 0) {
            const qsizetype lineStart = err.lastIndexOf('\n', at) + 1;
            const qsizetype lineEnd = err.indexOf('\n', at);
            return QString::fromLocal8Bit(err.mid(lineStart, lineEnd < 0 ? -1 : lineEnd - lineStart));
        }
    }
    return {};
}

// Empty when N changes the maze the window shows, else why not. The maze
// is the picture above the clock line; the picture must first come to rest,
// so that a moving dot is not taken for a new maze.
QString newMazeProblem(const XSession& session, WindowId window)
{
    QImage before;
    QRect maze;
    QElapsedTimer waiting;
    waiting.start();
    for (QImage previous; before.isNull() && waiting.elapsed() < kWaitMs; pollPause()) {
        const QImage image = session.grab(window);
        const int H = image.height() / kCell - 4;
        maze = QRect(0, 0, image.width(), clockLine(H).top());
        if (!image.isNull() && image.size() == previous.size() && image.copy(maze) == previous.copy(maze))
            before = image;
        previous = image;
    }
    if (before.isNull())
        return QStringLiteral("the picture did not come to rest with no key held");
    if (!session.key(QStringLiteral("n")))
        return QStringLiteral("N could not be pressed");
    waiting.restart();
    do {
        const QImage image = session.grab(window);
        if (!image.isNull() && image.size() == before.size() && image.copy(maze) != before.copy(maze))
            return {};
        pollPause();
    } while (waiting.elapsed() < kWaitMs);
    return QStringLiteral("the maze did not change on N");
}

}  // namespace

class E2eSoakTest : public EndToEndTest {
    Q_OBJECT

private:
    // What went wrong with the game: a crash, an end, or a sanitizer's
    // report; nothing while it runs well, or after it ended with status 0
    // and no report. A sanitizer stops the game at its first report, so a
    // report usually comes with an end.
    QString gameProblem(GameRun& game) const
    {
        const ExitResult exit = game.waitForExit(0);
        const QByteArray err = game.standardError();
        const QString report = sanitizerReport(err);
        QString problem;
        if (exit.kind == ExitResult::Crashed)
            problem = QStringLiteral("the game crashed");
        else if (exit.kind == ExitResult::Exited && exit.code != 0)
            problem = QStringLiteral("the game ended with status %1").arg(exit.code);
        if (!report.isEmpty())
            problem += (problem.isEmpty() ? QString() : QStringLiteral(", ")) + QStringLiteral("sanitizer report: ")
                + report;
        if (problem.isEmpty())
            return {};
        return problem + QStringLiteral("\nThe end of its standard error:\n") + QString::fromLocal8Bit(err.right(6000));
    }


private Q_SLOTS:
    // Random keys, side windows and sizes for the given time: the game keeps
    // running without a sanitizer report or a message about a fault, its
    // memory levels off, and afterwards it still deals a new maze on N and
    // ends cleanly on Esc.
    void randomPlayKeepsTheGameWell()
    {
        const std::optional<int> seconds = soakSeconds();
        QVERIFY2(seconds, "ORVO_SOAK_SECONDS is not a positive whole number");
        const std::optional<quint64> seed = soakSeed();
        QVERIFY2(seed, "ORVO_SOAK_SEED is not a whole number");
        qInfo("soak: %d s of random play with seed %llu (ORVO_SOAK_SEED=%llu replays its input)", *seconds,
              static_cast<unsigned long long>(*seed), static_cast<unsigned long long>(*seed));

        GameRun game(*session_);
        const QString inherited = qEnvironmentVariable("ASAN_OPTIONS");
        game.setEnvironmentVariable(QStringLiteral("ASAN_OPTIONS"),
                                    inherited.isEmpty() ? kQuarantine : inherited + u':' + kQuarantine);
        game.setEnvironmentVariable(QStringLiteral("MALLOC_MMAP_THRESHOLD_"), kMmapThreshold);
        const QMap<QString, QByteArray> files {
            {QStringLiteral("High.dat"), highFile_},
            {QStringLiteral("Orvo.dat"), QByteArray("\"Ann\"\r\n")},
            // Pale yellow on navy: green components of 255 and 32, which the
            // driver leaves alone, far from the 192 of the player's dot.
            {QStringLiteral("Style.dat"), QByteArray("12648447,6299680,0\r\n")},
        };
        QString why;
        const std::optional<WindowId> window =
            game.startToWindow(files, GameRun::Focus::Take, kWaitMs, &why);
        QVERIFY2(window, qPrintable(why));

        SoakDriver driver(*session_, *window, *seed);
        const qint64 runMs = qint64(*seconds) * 1000;
        MemoryWatch watch(std::min(runMs / 3, kMaxWarmUpMs), kMarginKiB);
        qint64 highest = 0;
        int steps = 0;
        QElapsedTimer clock;
        clock.start();
        // Empty while the game runs well and the driver got what it expected.
        const auto verdict = [&](bool done) {
            const QString when = QStringLiteral("after %1 actions in %2 s (%3): ")
                                     .arg(steps)
                                     .arg(clock.elapsed() / 1000.0, 0, 'f', 1)
                                     .arg(driver.tally());
            const QString problem = gameProblem(game);
            if (!problem.isEmpty())
                return when + problem;
            return done ? QString() : when + why;
        };
        const auto checkpoint = [&] {
            if (!driver.settle(kOpening, &why))
                return false;
            const qint64 kib = residentKiB(game.processId());
            why = QStringLiteral("the game's resident memory could not be read");
            watch.add({clock.elapsed(), kib});
            return kib > 0;
        };

        // The tour falls in the warm-up, which thereby sees every action.
        QString failed = verdict(driver.tour(&why));
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        qint64 nextCheckpoint = 0;
        while (clock.elapsed() < runMs) {
            bool done = true;
            if (clock.elapsed() >= nextCheckpoint) {
                done = checkpoint();
                nextCheckpoint = clock.elapsed() + kCheckpointMs;
            }
            done = done && driver.step(&why);
            ++steps;
            failed = verdict(done);
            QVERIFY2(failed.isEmpty(), qPrintable(failed));
            highest = std::max(highest, residentKiB(game.processId()));
        }
        failed = verdict(checkpoint());
        QVERIFY2(failed.isEmpty(), qPrintable(failed));

        qInfo("soak: %d random actions in %.0f s; with the opening tour: %s", steps, clock.elapsed() / 1000.0,
              qPrintable(driver.tally()));
        qInfo("soak: resident memory at %d x %d, s:MiB: %s", kOpening.width(), kOpening.height(),
              qPrintable(watch.listing()));
        qInfo("soak: warm-up peak %.1f MiB, later peak %.1f MiB (%d readings), peak at any size %.1f MiB",
              watch.warmUpPeak() / 1024.0, watch.laterPeak() / 1024.0, watch.laterCount(), highest / 1024.0);
        const QString growth = watch.problem(kLeastLaterSamples);
        QVERIFY2(growth.isEmpty(), qPrintable(growth));

        // Still answering: N deals a new maze, and Esc ends the game with
        // status 0 and, in the sanitizer build, no leak found on the way out.
        const QString unanswered = newMazeProblem(*session_, *window);
        QVERIFY2(unanswered.isEmpty(), qPrintable(unanswered));
        const QString problem = gameProblem(game);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(session_->key(QStringLiteral("Escape")));
        const ExitResult exit = game.waitForExit(kWaitMs);
        QVERIFY2(exit.kind != ExitResult::StillRunning, "the game still runs after Esc");
        const QString ending = gameProblem(game);
        QVERIFY2(ending.isEmpty(), qPrintable(QStringLiteral("after Esc: ") + ending));
    }
};

QTEST_GUILESS_MAIN(E2eSoakTest)
#include "test_e2e_soak.moc"
