// End-to-end tests of the installed game: installed into a temporary prefix
// as a player would install it for themselves, started from its desktop
// entry, with its files in the player's own data folder; and where the game
// looks for its files otherwise.
#include "e2e/screen_reading.h"
#include "e2e/x_session.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <optional>
#include <sys/stat.h>

namespace {

const QString kTitle = QStringLiteral("^Orvo$");
constexpr QSize kStartClient(666, 386);
constexpr int kWaitMs = 15000;
const QStringList kDataFiles {QStringLiteral("High.dat"), QStringLiteral("Orvo.dat"), QStringLiteral("Style.dat")};

const Palette kDefaultPalette {QColor(255, 255, 192), QColor(32, 32, 96)};
const Palette kOtherPalette {QColor(255, 255, 255), QColor(96, 0, 0)};
const QByteArray kOtherStyle = "16777215,96,0\r\n";
const QByteArray kBadStyle = "12648447,zebra,0\r\n";

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray repositoryDefault(const QString& name)
{
    return bytesOf(QStringLiteral(ORVO_SOURCE_DIR "/data/") + name);
}

// Where a data file stands in a folder: its bytes, or nothing when missing.
QMap<QString, QByteArray> filesIn(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : kDataFiles) {
        if (QFileInfo::exists(QDir(folder).filePath(name)))
            files.insert(name, bytesOf(QDir(folder).filePath(name)));
    }
    return files;
}

enum class Layout { PerUserBadFile, PerUserFolderBlocked, PortableSomeFiles, DataDirEmpty };

}  // namespace

Q_DECLARE_METATYPE(Layout)

class E2eInstallTest : public EndToEndTest {
    Q_OBJECT

private:
    QTemporaryDir prefix_;
    QString installed_;  // the program, as the installed desktop entry starts it

    void sessionStarted() override
    {
        QVERIFY(prefix_.isValid());
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(ORVO_CMAKE),
                      {QStringLiteral("--install"), QStringLiteral(ORVO_BINARY_DIR), QStringLiteral("--prefix"),
                       prefix_.path()});
        QVERIFY2(install.waitForFinished(120000) && install.exitCode() == 0, install.readAll().constData());

        const QString entry = QString::fromUtf8(
            bytesOf(prefix_.filePath(QStringLiteral("share/applications/" ORVO_APP_ID ".desktop"))));
        installed_ = QRegularExpression(QStringLiteral("^Exec=(.*)$"), QRegularExpression::MultilineOption)
                         .match(entry)
                         .captured(1);
    }

    // Starts the installed program as the desktop entry does, with a home
    // folder and XDG_DATA_HOME (empty: unset) of the run's own.
    void useInstalled(GameRun& game, const QString& home, const QString& dataHome,
                      const QStringList& arguments = {}) const
    {
        game.useProgram(installed_, arguments);
        game.setEnvironmentVariable(QStringLiteral("HOME"), home);
        game.setEnvironmentVariable(QStringLiteral("XDG_DATA_HOME"), dataHome);
    }

    // Starts the game, waits for its first maze in the palette, and ends it
    // with Esc. Returns what it wrote on standard error.
    QByteArray playOnce(GameRun& game, const Palette& palette)
    {
        QString why;
        const std::optional<WindowId> window = game.startToWindow({}, GameRun::Focus::Take, kWaitMs, &why);
        if (!window) {
            QTest::qFail(qPrintable(why), __FILE__, __LINE__);
            return {};
        }
        if (!waitForScene(*session_, *window, kStartClient, 42, 21, palette, nullptr, kWaitMs, &why)) {
            QTest::qFail(qPrintable(why), __FILE__, __LINE__);
            return {};
        }
        const ExitResult exit = session_->key(QStringLiteral("Escape")) ? game.waitForExit(kWaitMs) : ExitResult {};
        if (exit.kind != ExitResult::Exited || exit.code != 0)
            QTest::qFail("the game did not end with status 0 on Escape", __FILE__, __LINE__);
        return game.standardError();
    }

private Q_SLOTS:
    // The program alone in its folder; the desktop entry, the metainfo,
    // every icon and the manual page where the desktop looks for them; the
    // entry starts the installed program.
    void installsWhatTheDesktopNeeds()
    {
        QStringList expected {QStringLiteral("bin/orvo"),
                              QStringLiteral("share/applications/" ORVO_APP_ID ".desktop"),
                              QStringLiteral("share/icons/hicolor/scalable/apps/" ORVO_APP_ID ".svg"),
                              QStringLiteral("share/man/man6/orvo.6"),
                              QStringLiteral("share/metainfo/" ORVO_APP_ID ".metainfo.xml")};
        for (const int size : {16, 32, 48, 64, 128, 256})
            expected << QStringLiteral("share/icons/hicolor/%1x%1/apps/" ORVO_APP_ID ".png").arg(size);
        expected.sort();
        QStringList found;
        for (QDirIterator it(prefix_.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            found << QDir(prefix_.path()).relativeFilePath(it.next());
        found.sort();
        QCOMPARE(found, expected);
        QCOMPARE(installed_, prefix_.filePath(QStringLiteral("bin/orvo")));
    }

    // The command line is read before the window system is started: help
    // and version answer without a display, and a line not understood is
    // refused with the usage before any window could open.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString usage = QStringLiteral("Usage: orvo \\[--data-dir FOLDER\\]");
        QTest::newRow("help") << QStringList {QStringLiteral("--help")} << 0 << usage << QString();
        QTest::newRow("qt_options") << QStringList {QStringLiteral("-session"), QStringLiteral("1a2b"),
                                                    QStringLiteral("-style=fusion"), QStringLiteral("-reverse"),
                                                    QStringLiteral("-platform"), QStringLiteral("xcb"),
                                                    QStringLiteral("--help")} << 0 << usage << QString();
        QTest::newRow("version") << QStringList {QStringLiteral("--version")} << 0
                                 << QStringLiteral("^orvo " ORVO_VERSION "\n$") << QString();
        QTest::newRow("unknown_option") << QStringList {QStringLiteral("--fast")} << 2 << QString()
                                        << QStringLiteral("'fast'(.|\n)*") + usage;
        QTest::newRow("argument") << QStringList {QStringLiteral("maze.txt")} << 2 << QString()
                                  << QStringLiteral("'maze.txt'(.|\n)*") + usage;
        QTest::newRow("empty_data_dir") << QStringList {QStringLiteral("--data-dir=")} << 2 << QString()
                                        << QStringLiteral("--data-dir needs a folder(.|\n)*") + usage;
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        QProcess run;
        run.setProcessEnvironment(env);
        run.start(installed_, arguments);
        QVERIFY(run.waitForFinished(kWaitMs));
        const QString stdOut = QString::fromLocal8Bit(run.readAllStandardOutput());
        const QString stdErr = QString::fromLocal8Bit(run.readAllStandardError());
        QCOMPARE(run.exitStatus(), QProcess::NormalExit);
        QVERIFY2(run.exitCode() == status, qPrintable(stdErr));
        QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.contains(QRegularExpression(out)), qPrintable(stdOut));
        QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.contains(QRegularExpression(err)), qPrintable(stdErr));
    }

    // A new player's first start fills their own data folder with the
    // defaults, and says so; the next start reads the files found there.
    void firstStartFillsThePlayersFolder_data()
    {
        QTest::addColumn<QString>("xdgDataHome");  // under the run's own folder, or relative as it stands
        QTest::addColumn<QString>("folder");       // where the files go, under the run's own folder
        QTest::addColumn<int>("mask");             // the umask the game starts with
        const QString home = QStringLiteral("home/.local/share/orvo");
        QTest::newRow("xdg_data_home") << QStringLiteral("/data") << QStringLiteral("data/orvo") << 022;
        QTest::newRow("home_only_umask_000") << QString() << home << 0;
        QTest::newRow("relative_is_ignored") << QStringLiteral("data") << home << 022;
    }

    void firstStartFillsThePlayersFolder()
    {
        QFETCH(QString, xdgDataHome);
        QFETCH(QString, folder);
        QFETCH(int, mask);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString home = root.filePath(QStringLiteral("home"));
        folder = root.filePath(folder);
        const QString dataHome = xdgDataHome.startsWith(QLatin1Char('/')) ? root.path() + xdgDataHome : xdgDataHome;

        GameRun first(*session_);
        useInstalled(first, home, dataHome);
        const mode_t oldMask = umask(mode_t(mask));
        const QByteArray told = playOnce(first, kDefaultPalette);
        umask(oldMask);
        if (QTest::currentTestFailed())
            return;
        // Qt's flags for owner, this user, group and others: made 0700.
        QCOMPARE(int(QFileInfo(folder).permissions() & 0x7777), 0x7700);
        QVERIFY(QFile::setPermissions(folder, QFileInfo(folder).permissions() | QFileDevice::ReadOther));
        for (const QString& name : kDataFiles) {
            QCOMPARE(bytesOf(QDir(folder).filePath(name)), repositoryDefault(name));
            QVERIFY2(told.contains("default " + name.toLatin1() + " into " + QFile::encodeName(folder)), told);
        }

        QVERIFY(writeBytes(QDir(folder).filePath(QStringLiteral("Style.dat")), kOtherStyle));
        const QMap<QString, QByteArray> before = filesIn(folder);
        GameRun second(*session_);
        useInstalled(second, home, dataHome);
        const QByteArray toldAgain = playOnce(second, kOtherPalette);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(!toldAgain.contains("Orvo wrote"), toldAgain);
        QCOMPARE(filesIn(folder), before);
        QCOMPARE(int(QFileInfo(folder).permissions() & 0x7777), 0x7704);
    }

    // --data-dir names the folder outright: its files are used as they are,
    // and the player's own folder is neither made nor read.
    void dataDirIsUsedAsItIs()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString given = root.filePath(QStringLiteral("given"));
        QVERIFY(QDir().mkpath(given));
        for (const QString& name : kDataFiles)
            QVERIFY(writeBytes(QDir(given).filePath(name), name == kDataFiles.last() ? kOtherStyle
                                                                                     : repositoryDefault(name)));
        const QMap<QString, QByteArray> before = filesIn(given);
        GameRun game(*session_);
        useInstalled(game, root.filePath(QStringLiteral("home")), root.filePath(QStringLiteral("data")),
                     {QStringLiteral("--data-dir"), given});
        playOnce(game, kOtherPalette);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(filesIn(given), before);
        QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("data/orvo"))));
    }

    // Starts that stop with a message naming what stands in the way, and
    // leave every file that was there as it was.
    void startStops_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::newRow("per_user_bad_file") << Layout::PerUserBadFile;
        QTest::newRow("per_user_folder_blocked") << Layout::PerUserFolderBlocked;
        QTest::newRow("portable_some_files") << Layout::PortableSomeFiles;
        QTest::newRow("data_dir_empty") << Layout::DataDirEmpty;
    }

    void startStops()
    {
        QFETCH(Layout, layout);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString dataHome = root.filePath(QStringLiteral("data"));
        const QString perUser = QDir(dataHome).filePath(QStringLiteral("orvo"));
        const QString home = root.filePath(QStringLiteral("home"));
        GameRun game(*session_);
        game.setEnvironmentVariable(QStringLiteral("XDG_DATA_HOME"), dataHome);
        QMap<QString, QByteArray> portable;
        QString folder;      // the folder whose files must stay as they were
        QString named;       // what the message must name
        QMap<QString, QByteArray> after;  // the folder's files once the game has ended
        switch (layout) {
        case Layout::PerUserBadFile:
            // The missing files are written; the bad one is left for the player.
            QVERIFY(QDir().mkpath(perUser));
            QVERIFY(writeBytes(QDir(perUser).filePath(QStringLiteral("Style.dat")), kBadStyle));
            useInstalled(game, home, dataHome);
            folder = perUser;
            named = QDir(perUser).filePath(QStringLiteral("Style.dat"));
            after = {{QStringLiteral("High.dat"), repositoryDefault(QStringLiteral("High.dat"))},
                     {QStringLiteral("Orvo.dat"), repositoryDefault(QStringLiteral("Orvo.dat"))},
                     {QStringLiteral("Style.dat"), kBadStyle}};
            break;
        case Layout::PerUserFolderBlocked:
            // A file stands where a folder on the way should be.
            QVERIFY(writeBytes(dataHome, "not a folder"));
            useInstalled(game, home, QDir(dataHome).filePath(QStringLiteral("more")));
            named = QDir(dataHome).filePath(QStringLiteral("more/orvo"));
            break;
        case Layout::PortableSomeFiles:
            // A copy of the game with only one of its files beside it.
            portable.insert(QStringLiteral("Style.dat"), repositoryDefault(QStringLiteral("Style.dat")));
            folder = game.folder();
            named = QDir(folder).filePath(QStringLiteral("High.dat"));
            after = portable;
            break;
        case Layout::DataDirEmpty:
            folder = root.filePath(QStringLiteral("Игры 游戏"));  // named in any script
            QVERIFY(QDir().mkpath(folder));
            useInstalled(game, home, dataHome, {QStringLiteral("--data-dir"), folder});
            named = QDir(folder).filePath(QStringLiteral("High.dat"));
            break;
        }

        QString why;
        QVERIFY2(game.start(portable, &why), qPrintable(why));
        QVERIFY2(game.answerStopMessage(kWaitMs, &why), qPrintable(why));
        const QByteArray err = game.standardError();
        QVERIFY2(err.contains("Orvo cannot start: " + QFile::encodeName(named) + ": "), err);
        if (!folder.isEmpty())
            QCOMPARE(filesIn(folder), after);
        if (layout != Layout::PerUserBadFile)
            QVERIFY2(!QFileInfo::exists(perUser), "the player's own folder was made");
    }
};

QTEST_GUILESS_MAIN(E2eInstallTest)
#include "test_e2e_install.moc"
