// The data folder's files: what cannot be read is refused with a reason,
// never waited on; a save replaces a file whole or leaves it as it was,
// whatever stops it (a full disk, a folder that takes no new files, a folder
// in the file's place, or the process killed half-way through); a player's
// folder that cannot take the defaults stops the start.
#include "platform/files/data_folder.h"
#include "platform/files/files.h"
#include "support/test_game.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <poll.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum class Fault { None, FolderInPlace, ReadOnlyFolder, FullDisk };

const std::string kOld = "\"old\"\r\n";
const std::string kNew = "\"new and longer\"\r\n";

std::string bytesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QStringList entriesOf(const QString& path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Waits until the file descriptor has something to read.
bool readable(int fd, int timeoutMs)
{
    pollfd wanted {fd, POLLIN, 0};
    return poll(&wanted, 1, timeoutMs) == 1;
}

}  // namespace

class FilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void unreadableFilesAreRefused_data();
    void unreadableFilesAreRefused();
    void saveIsWholeOrNothing_data();
    void saveIsWholeOrNothing();
    void killDuringSaveLeavesOldOrNew();
    void defaultsThatCannotBeWrittenStopTheStart();
};

void FilesTest::unreadableFilesAreRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("problem");
    QTest::newRow("missing") << QStringLiteral("missing") << QStringLiteral("it is missing");
    QTest::newRow("folder") << QStringLiteral("folder") << QStringLiteral("it is a folder, not a file");
    QTest::newRow("named_pipe") << QStringLiteral("pipe") << QStringLiteral("it is not a plain file");
    QTest::newRow("no_read_permission") << QStringLiteral("private") << QStringLiteral("it cannot be read");
    QTest::newRow("large") << QStringLiteral("large") << QString();
}

void FilesTest::unreadableFilesAreRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, problem);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("Orvo.dat"));
    const std::string large(200 * 1024, 'n');
    if (kind == QStringLiteral("folder")) {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Orvo.dat")));
    } else if (kind == QStringLiteral("pipe")) {
        // Nobody ever writes to it: opening it to read would wait for ever.
        QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else if (kind == QStringLiteral("private")) {
        if (geteuid() == 0)
            QSKIP("root reads a file whatever its permissions say; run the tests as another user for this row");
        QVERIFY(platform::DataFolder(folder.path()).write("Orvo.dat", kOld).ok);
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    } else if (kind == QStringLiteral("large")) {
        QVERIFY(platform::DataFolder(folder.path()).write("Orvo.dat", large).ok);
    }

    const platform::FileRead read = platform::DataFolder(folder.path()).read("Orvo.dat");

    if (problem.isEmpty()) {
        // Every record is one short line: only the start of a file is read.
        QVERIFY2(read.ok, read.problem.c_str());
        QCOMPARE(read.bytes, large.substr(0, 64 * 1024));
        return;
    }
    QVERIFY2(!read.ok, "a file that cannot be read was read");
    QVERIFY2(QString::fromStdString(read.problem).startsWith(problem), read.problem.c_str());
    QVERIFY(read.bytes.empty());
}

void FilesTest::saveIsWholeOrNothing_data()
{
    QTest::addColumn<int>("fault");
    QTest::newRow("writable") << int(Fault::None);
    QTest::newRow("folder_in_place") << int(Fault::FolderInPlace);
    QTest::newRow("read_only_folder") << int(Fault::ReadOnlyFolder);
    QTest::newRow("full_disk") << int(Fault::FullDisk);
}

void FilesTest::saveIsWholeOrNothing()
{
    QFETCH(int, fault);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString folder = root.filePath(QStringLiteral("game"));
    QVERIFY(QDir(root.path()).mkdir(QStringLiteral("game")));
    std::optional<SmallDisk> disk;
    if (Fault(fault) == Fault::FullDisk) {
        disk.emplace(folder, 64 * 1024);
        if (!disk->ok())
            QSKIP(qPrintable(disk->reason()));
    }
    const platform::DataFolder files(folder);
    if (Fault(fault) == Fault::FolderInPlace)
        QVERIFY(QDir(folder).mkdir(QStringLiteral("High.dat")));
    else
        QVERIFY(files.write("High.dat", kOld).ok);

    std::optional<ReadOnlyFolder> readOnly;
    if (Fault(fault) == Fault::ReadOnlyFolder) {
        readOnly.emplace(folder);
        if (!readOnly->ok())
            QSKIP(qPrintable(readOnly->reason()));
    }
    QString why;
    if (disk)
        QVERIFY2(disk->fill(&why), qPrintable(why));
    const QStringList before = entriesOf(folder);

    const platform::FileWrite written = files.write("High.dat", kNew);

    QCOMPARE(entriesOf(folder), before);
    if (Fault(fault) == Fault::None) {
        QVERIFY2(written.ok, written.problem.c_str());
        QCOMPARE(bytesOf(files.filePath("High.dat")), kNew);
        return;
    }
    QVERIFY2(!written.ok, "a save that could not be made was reported as made");
    QVERIFY2(!written.problem.empty(), "a failed save gave no reason");
    if (Fault(fault) == Fault::FolderInPlace)
        QVERIFY(QFileInfo(files.filePath("High.dat")).isDir());
    else
        QCOMPARE(bytesOf(files.filePath("High.dat")), kOld);
}

// A process that saves one of two large versions of a file over and over is
// killed at random moments: each time, the file holds one version whole,
// and nothing half-written is left beside it.
void FilesTest::killDuringSaveLeavesOldOrNew()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const platform::DataFolder files(folder.path());
    // Large, so that most kills fall inside a write.
    const std::string first(2 * 1024 * 1024, 'a');
    const std::string second(3 * 1024 * 1024 + 17, 'b');
    QVERIFY(files.write("Style.dat", first).ok);

    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> delayUs(0, 30000);
    for (int round = 0; round < 25; ++round) {
        int ready[2];
        QVERIFY(pipe(ready) == 0);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            close(ready[0]);
            for (long n = 0;; ++n) {
                if (!files.write("Style.dat", n % 2 ? first : second).ok)
                    _exit(2);
                if (n == 0 && write(ready[1], "x", 1) != 1)
                    _exit(3);
            }
        }
        close(ready[1]);
        // The child has saved once; now it is somewhere in a later save.
        const bool started = readable(ready[0], 30000);
        close(ready[0]);
        if (started)
            usleep(static_cast<useconds_t>(delayUs(random)));
        kill(child, SIGKILL);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY2(started, "the saving process never finished its first save");
        QVERIFY2(WIFSIGNALED(status), "the saving process stopped by itself: a save failed");

        const std::string now = bytesOf(files.filePath("Style.dat"));
        QVERIFY2(now == first || now == second,
                 qPrintable(QStringLiteral("round %1: the file holds %2 bytes of neither version")
                                .arg(round)
                                .arg(now.size())));
        // A finished save is linked in under a temporary name and then
        // renamed over the file; a kill between the two leaves that copy
        // beside the file. It is whole, and the old file is untouched.
        for (const QString& entry : entriesOf(folder.path())) {
            if (entry == QLatin1String("Style.dat"))
                continue;
            const QString path = folder.filePath(entry);
            const std::string left = bytesOf(path);
            QVERIFY2(left == first || left == second,
                     qPrintable(QStringLiteral("round %1: %2 was left beside the file, holding %3 bytes of "
                                               "neither version")
                                    .arg(round)
                                    .arg(entry)
                                    .arg(left.size())));
            QVERIFY(QFile::remove(path));
        }
    }
}

// The other ways a first start can be stopped are played through by the
// installed game; this one needs a folder that refuses files even to root.
void FilesTest::defaultsThatCannotBeWrittenStopTheStart()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString folder = root.filePath(QStringLiteral("orvo"));
    QVERIFY(QDir(root.path()).mkdir(QStringLiteral("orvo")));
    ReadOnlyFolder readOnly(folder);
    if (!readOnly.ok())
        QSKIP(qPrintable(readOnly.reason()));

    const QString problem = QString::fromStdString(platform::prepareDataFolder(platform::DataFolder(folder)));

    QVERIFY2(problem.startsWith(QStringLiteral("Orvo cannot start: ") + folder
                                + QStringLiteral("/High.dat: its default cannot be written (")),
             qPrintable(problem));
    QCOMPARE(entriesOf(folder), QStringList());
}

QTEST_APPLESS_MAIN(FilesTest)
#include "test_files.moc"
