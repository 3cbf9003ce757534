// Starts Xvfb and openbox for the end-to-end tests and wraps the X tools
// (xdotool, xprop, import) that find, size, photograph and type into the
// game's windows.
#include "e2e/x_session.h"

#include "support/test_game.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QtTest>

namespace {

constexpr int kStartTimeoutMs = 15000;
constexpr int kPollMs = 50;

void stopProcess(QProcess* process)
{
    if (!process || process->state() == QProcess::NotRunning)
        return;
    process->terminate();
    if (!process->waitForFinished(3000)) {
        process->kill();
        process->waitForFinished(3000);
    }
}

// A short pause between two looks at something the test waits for.
void pollPause()
{
    QThread::msleep(kPollMs);
}

}  // namespace

XSession::~XSession()
{
    stopProcess(windowManager_.get());
    stopProcess(server_.get());
}

QStringList XSession::missingTools()
{
    QStringList missing;
    for (const char* tool : {"Xvfb", "openbox", "xdotool", "xprop", "import"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            missing << QString::fromLatin1(tool);
    }
    return missing;
}

bool XSession::start(QString* why)
{
    // Tests run side by side, and servers started in the same moment can
    // pick the same display: one session starts at a time, on this machine.
    QLockFile starting(QDir::temp().filePath(QStringLiteral("orvo-e2e-session-start.lock")));
    starting.setStaleLockTime(0);
    if (!starting.lock()) {
        *why = QStringLiteral("no lock for starting a session: ") + starting.fileName();
        return false;
    }
    // On a busy machine openbox can take a while to set itself up. A session
    // that never gets going is stopped and started once more; if the second
    // does not either, both are reported.
    QStringList tries;
    for (int attempt = 0; attempt < 2; ++attempt) {
        QString what;
        if (startServer(&what) && startWindowManager(&what))
            return true;
        tries << what;
        stopProcess(windowManager_.get());
        stopProcess(server_.get());
    }
    *why = tries.join(u"; then ");
    return false;
}

bool XSession::startServer(QString* why)
{
    // -displayfd makes the server pick a free display and write its number
    // to our pipe once it accepts connections.
    server_ = std::make_unique<QProcess>();
    server_->setStandardErrorFile(QProcess::nullDevice());
    server_->start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("1920x1080x24"), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp"), QStringLiteral("-dpi"), QStringLiteral("96")});
    if (!server_->waitForStarted(kStartTimeoutMs)) {
        *why = QStringLiteral("Xvfb did not start: ") + server_->errorString();
        return false;
    }
    QByteArray announced;
    QElapsedTimer clock;
    clock.start();
    while (!announced.contains('\n')) {
        const qint64 left = kStartTimeoutMs - clock.elapsed();
        if (left <= 0 || server_->state() == QProcess::NotRunning) {
            *why = QStringLiteral("Xvfb did not announce its display");
            return false;
        }
        server_->waitForReadyRead(int(left));
        announced += server_->readAllStandardOutput();
    }
    bool isNumber = false;
    const int number = announced.trimmed().toInt(&isNumber);
    if (!isNumber) {
        *why = QStringLiteral("Xvfb announced an odd display: ") + QString::fromLocal8Bit(announced);
        return false;
    }
    display_ = QStringLiteral(":%1").arg(number);
    return true;
}

bool XSession::startWindowManager(QString* why)
{
    windowManager_ = std::make_unique<QProcess>();
    windowManager_->setProcessEnvironment(environment());
    windowManager_->setStandardOutputFile(QProcess::nullDevice());
    // Its complaints go to a file, which never fills up as a pipe would.
    if (windowManagerLog_.open())
        windowManager_->setStandardErrorFile(windowManagerLog_.fileName());
    windowManager_->start(QStringLiteral("openbox"), {});
    if (!windowManager_->waitForStarted(kStartTimeoutMs)) {
        *why = QStringLiteral("openbox did not start: ") + windowManager_->errorString();
        return false;
    }
    QByteArray probe;
    if (waitForWindowManager(2 * kStartTimeoutMs, &probe))
        return true;
    windowManagerLog_.seek(0);
    auto state = [](const QProcess& p) {
        return QString::fromLatin1(p.state() == QProcess::NotRunning ? "ended" : "still runs");
    };
    *why = QStringLiteral("openbox did not take charge of display %1: it %2, the server %3; the last look said \"%4\"; "
                          "openbox said \"%5\"")
               .arg(display_, state(*windowManager_), state(*server_), QString::fromLocal8Bit(probe.trimmed()),
                    QString::fromLocal8Bit(windowManagerLog_.readAll().right(2000).trimmed()));
    return false;
}

bool XSession::waitForWindowManager(int timeoutMs, QByteArray* lastProbe) const
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        const CommandResult probe =
            run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
        if (probe.ok() && probe.out.contains("window id"))
            return true;
        *lastProbe = probe.finished ? probe.out + probe.err : "xprop did not finish: " + probe.err;
        if (windowManager_->state() == QProcess::NotRunning)
            return false;
        pollPause();
    }
    return false;
}

QProcessEnvironment XSession::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("XAUTHORITY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return env;
}

CommandResult XSession::run(const QString& program, const QStringList& args, int timeoutMs) const
{
    CommandResult result;
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, args);
    if (!process.waitForStarted(5000)) {
        result.err = process.errorString().toLocal8Bit();
        return result;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(3000);
        result.err = process.readAllStandardError();
        return result;
    }
    result.finished = process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QList<WindowId> XSession::findWindows(const QString& titlePattern) const
{
    // xdotool exits with 1 when nothing matches; that is just an empty list.
    const CommandResult found = run(QStringLiteral("xdotool"),
                                    {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                     QStringLiteral("--name"), titlePattern});
    QList<WindowId> windows;
    if (!found.finished)
        return windows;
    for (const QByteArray& line : found.out.split('\n')) {
        bool isNumber = false;
        const WindowId id = line.trimmed().toULongLong(&isNumber);
        if (isNumber)
            windows << id;
    }
    return windows;
}

std::optional<WindowId> XSession::waitForWindow(const QString& titlePattern, int timeoutMs,
                                                WindowId except) const
{
    QElapsedTimer clock;
    clock.start();
    do {
        for (const WindowId window : findWindows(titlePattern)) {
            if (window != except)
                return window;
        }
        pollPause();
    } while (clock.elapsed() < timeoutMs);
    return std::nullopt;
}

QSize XSession::clientSize(WindowId window) const
{
    const CommandResult geometry =
        run(QStringLiteral("xdotool"),
            {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QString::number(window)});
    if (!geometry.ok())
        return {};
    int width = -1;
    int height = -1;
    for (const QByteArray& line : geometry.out.split('\n')) {
        if (line.startsWith("WIDTH="))
            width = line.mid(6).trimmed().toInt();
        else if (line.startsWith("HEIGHT="))
            height = line.mid(7).trimmed().toInt();
    }
    return {width, height};
}

QImage XSession::grab(WindowId window) const
{
    // PPM rather than PNG: nothing to compress, so a shot takes less time.
    const CommandResult shot = run(QStringLiteral("import"),
                                   {QStringLiteral("-window"), QString::number(window), QStringLiteral("ppm:-")});
    if (!shot.ok())
        return {};
    return QImage::fromData(shot.out, "PPM").convertToFormat(QImage::Format_RGB32);
}

bool XSession::activate(WindowId window) const
{
    return run(QStringLiteral("xdotool"),
               {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(window)}, 5000)
        .ok();
}

bool XSession::resize(WindowId window, QSize size) const
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("windowsize"), QString::number(window),
                                           QString::number(size.width()), QString::number(size.height())})
        .ok();
}

bool XSession::key(const QString& key) const
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("key"), key}).ok();
}

bool XSession::changeKeys(const QStringList& release, const QStringList& press) const
{
    QStringList args;
    if (!release.isEmpty())
        args << QStringLiteral("keyup") << QStringLiteral("--delay") << QStringLiteral("0") << release;
    if (!press.isEmpty())
        args << QStringLiteral("keydown") << QStringLiteral("--delay") << QStringLiteral("0") << press;
    return args.isEmpty() || run(QStringLiteral("xdotool"), args).ok();
}

bool XSession::pressFor(const QStringList& keys, int ms) const
{
    const QStringList noDelay {QStringLiteral("--delay"), QStringLiteral("0")};
    const QStringList args = QStringList {QStringLiteral("keydown")} + noDelay + keys
        + QStringList {QStringLiteral("sleep"), QString::number(ms / 1000.0, 'f', 3), QStringLiteral("keyup")}
        + noDelay + keys;
    return run(QStringLiteral("xdotool"), args).ok();
}

bool XSession::type(const QString& text) const
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--"), text}).ok();
}

KeyHold::KeyHold(const XSession& session) : session_(session) {}

KeyHold::KeyHold(const XSession& session, const QString& key) : session_(session)
{
    change({key});
}

KeyHold::~KeyHold()
{
    if (!keys_.isEmpty())
        session_.changeKeys(keys_, {});
}

bool KeyHold::change(const QStringList& keys)
{
    pressed_ = session_.changeKeys(keys_, keys);
    keys_ = pressed_ ? keys : keys_ + keys;
    return pressed_;
}

GameRun::GameRun(const XSession& session) : session_(session) {}

GameRun::~GameRun()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
    // The folder must be writable and its own disk gone before the
    // temporary folder is removed.
    readOnly_.reset();
    disk_.reset();
}

bool GameRun::prepareFault(SaveFault fault, QString* why)
{
    if (fault != SaveFault::FullDisk)
        return true;
    if (!root_.isValid() || !QDir(root_.path()).mkpath(QStringLiteral("game"))) {
        *why = QStringLiteral("no temporary folder for the game");
        return false;
    }
    // Room for the program and its files, and little more.
    disk_ = std::make_unique<SmallDisk>(folder(), QFileInfo(QStringLiteral(ORVO_PROGRAM)).size() + 1024 * 1024);
    *why = disk_->reason();
    return disk_->ok();
}

bool GameRun::applyFault(SaveFault fault, QString* why)
{
    if (fault == SaveFault::None)
        return true;
    if (fault == SaveFault::LockHeld) {
        otherGamesLock_ = std::make_unique<QLockFile>(QDir(folder()).filePath(QStringLiteral("Orvo.lock")));
        *why = QStringLiteral("the lock could not be taken");
        return otherGamesLock_->tryLock();
    }
    if (fault == SaveFault::ReadOnlyFolder) {
        readOnly_ = std::make_unique<ReadOnlyFolder>(folder());
        *why = readOnly_->reason();
        return readOnly_->ok();
    }
    if (!disk_) {
        *why = QStringLiteral("the game's folder has no disk of its own to fill");
        return false;
    }
    return disk_->fill(why);
}

QString GameRun::folder() const
{
    return root_.filePath(QStringLiteral("game"));
}

bool GameRun::start(const QMap<QString, QByteArray>& dataFiles, QString* why, const QStringList& folders)
{
    if (!root_.isValid() || !QDir(root_.path()).mkpath(QStringLiteral("game"))) {
        *why = QStringLiteral("no temporary folder for the game");
        return false;
    }
    QString program = program_;
    if (program.isEmpty()) {
        program = QDir(folder()).filePath(QStringLiteral("orvo"));
        if (!QFile::copy(QStringLiteral(ORVO_PROGRAM), program)) {
            *why = QStringLiteral("cannot copy the program from ") + QStringLiteral(ORVO_PROGRAM);
            return false;
        }
        QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    for (auto it = dataFiles.cbegin(); it != dataFiles.cend(); ++it) {
        QFile file(QDir(folder()).filePath(it.key()));
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size()) {
            *why = QStringLiteral("cannot write ") + file.fileName();
            return false;
        }
    }
    for (const QString& name : folders) {
        if (!QDir(folder()).mkdir(name)) {
            *why = QStringLiteral("cannot make the directory ") + name;
            return false;
        }
    }

    QProcessEnvironment env = session_.environment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const char* scaling : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING",
                                "QT_FONT_DPI", "QT_AUTO_SCREEN_SCALE_FACTOR"})
        env.remove(QString::fromLatin1(scaling));
    env.insert(QStringLiteral("XDG_DATA_HOME"), root_.filePath(QStringLiteral("xdg-data")));
    for (auto it = variables_.cbegin(); it != variables_.cend(); ++it)
        env.insert(it.key(), it.value());
    process_.setProcessEnvironment(env);
    // Run from elsewhere, so that the game has to find its files beside itself.
    process_.setWorkingDirectory(root_.path());
    process_.setStandardOutputFile(root_.filePath(QStringLiteral("stdout.txt")));
    process_.setStandardErrorFile(root_.filePath(QStringLiteral("stderr.txt")));
    process_.start(program, arguments_);
    if (!process_.waitForStarted(10000)) {
        *why = QStringLiteral("the game did not start: ") + process_.errorString();
        return false;
    }
    started_ = true;
    return true;
}

std::optional<WindowId> GameRun::startToWindow(const QMap<QString, QByteArray>& dataFiles, Focus focus,
                                               int timeoutMs, QString* why)
{
    if (!start(dataFiles, why))
        return std::nullopt;
    const std::optional<WindowId> window = session_.waitForWindow(QStringLiteral("^Orvo$"), timeoutMs);
    if (!window) {
        *why = QStringLiteral("no window titled Orvo appeared; the game wrote: ") + QString::fromLocal8Bit(standardError());
        return std::nullopt;
    }
    if (focus == Focus::Take && !session_.activate(*window)) {
        *why = QStringLiteral("the game window could not be activated");
        return std::nullopt;
    }
    return window;
}

void GameRun::useProgram(const QString& program, const QStringList& arguments)
{
    program_ = program;
    arguments_ = arguments;
}

bool GameRun::answerStopMessage(int timeoutMs, QString* why)
{
    const std::optional<WindowId> message = session_.waitForWindow(QStringLiteral("^Orvo$"), timeoutMs);
    if (!message) {
        *why = QStringLiteral("no message titled Orvo appeared; the game wrote: ")
             + QString::fromLocal8Bit(standardError());
        return false;
    }
    for (WindowId shown : session_.findWindows(QStringLiteral("^Orvo$"))) {
        if (session_.clientSize(shown) == QSize(666, 386)) {
            *why = QStringLiteral("the game's window opened although the start should have stopped");
            return false;
        }
    }
    if (!session_.activate(*message) || !session_.key(QStringLiteral("Return"))) {
        *why = QStringLiteral("the message could not be answered");
        return false;
    }
    const ExitResult exit = waitForExit(timeoutMs);
    if (exit.kind == ExitResult::StillRunning)
        *why = QStringLiteral("the game still runs after the message was answered");
    else if (exit.kind == ExitResult::Crashed)
        *why = QStringLiteral("the game was ended by a signal");
    else if (exit.code == 0)
        *why = QStringLiteral("the game ended with status 0");
    else
        return true;
    return false;
}

QStringList GameRun::folderEntries() const
{
    return QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                    QDir::Name);
}

std::optional<QByteArray> GameRun::fileBytes(const QString& name) const
{
    QFile file(QDir(folder()).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

ExitResult GameRun::waitForExit(int timeoutMs)
{
    ExitResult result;
    if (!started_)
        return result;
    if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(timeoutMs))
        return result;
    result.kind = process_.exitStatus() == QProcess::NormalExit ? ExitResult::Exited : ExitResult::Crashed;
    result.code = process_.exitCode();
    return result;
}

QByteArray GameRun::standardError() const
{
    QFile file(root_.filePath(QStringLiteral("stderr.txt")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void EndToEndTest::initTestCase()
{
    const QStringList missing = XSession::missingTools();
    if (!missing.isEmpty())
        QSKIP(qPrintable(QStringLiteral("the end-to-end tests need these tools: ") + missing.join(u' ')));
    QFile high(QStringLiteral(ORVO_SOURCE_DIR "/data/High.dat"));
    QVERIFY2(high.open(QIODevice::ReadOnly), "the repository's data/High.dat cannot be read");
    highFile_ = high.readAll();
    session_ = std::make_unique<XSession>();
    QString why;
    QVERIFY2(session_->start(&why), qPrintable(why));
    sessionStarted();
}

void EndToEndTest::cleanupTestCase()
{
    session_.reset();
}
