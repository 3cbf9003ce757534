// A private X server with a window manager for the end-to-end tests, the X
// tools that drive the real game in it, and a run of the game from a folder
// of its own.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMap>
#include <QObject>
#include <QLockFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <memory>
#include <optional>

class ReadOnlyFolder;
class SmallDisk;

using WindowId = qulonglong;

struct CommandResult {
    bool finished = false;  // false: did not start, or timed out and was killed
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    bool ok() const { return finished && exitCode == 0; }
};

// Xvfb with openbox on a display number of the server's own choosing; both
// are stopped when the session is destroyed.
class XSession {
public:
    XSession() = default;
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // The tools the session needs that are not on the PATH.
    static QStringList missingTools();

    bool start(QString* why);
    QString display() const { return display_; }

    // The caller's environment pointed at this session's display.
    QProcessEnvironment environment() const;

    // Runs a command on this display; one that outlives timeoutMs is killed.
    CommandResult run(const QString& program, const QStringList& args, int timeoutMs = 10000) const;

    // Visible windows whose title matches the regular expression.
    QList<WindowId> findWindows(const QString& titlePattern) const;
    // The first such window other than `except`.
    std::optional<WindowId> waitForWindow(const QString& titlePattern, int timeoutMs, WindowId except = 0) const;

    // Size of the window's client area; invalid when it cannot be read.
    QSize clientSize(WindowId window) const;

    // The client area as it is on the screen; null when it cannot be taken.
    QImage grab(WindowId window) const;

    bool activate(WindowId window) const;
    bool resize(WindowId window, QSize size) const;

    // Keys go to the focused window, through the server's test extension;
    // names are X keysym names such as Right, Escape or shift+n.
    bool key(const QString& key) const;
    // Lets go of some keys and presses others in one command, with no pause
    // between them, so that a play tick seldom falls in between.
    bool changeKeys(const QStringList& release, const QStringList& press) const;
    // Presses the keys for the given time and lets go: one command, so
    // that the press lasts that long wherever this process is scheduled.
    bool pressFor(const QStringList& keys, int ms) const;
    // Types the text into the focused window, character by character.
    bool type(const QString& text) const;

private:
    bool startServer(QString* why);
    bool startWindowManager(QString* why);
    bool waitForWindowManager(int timeoutMs, QByteArray* lastProbe) const;

    std::unique_ptr<QProcess> server_;
    std::unique_ptr<QProcess> windowManager_;
    QTemporaryFile windowManagerLog_;
    QString display_;
};

// Holds keys down for its lifetime, so that a failing check cannot leave a
// key pressed for the tests that follow.
class KeyHold {
public:
    explicit KeyHold(const XSession& session);
    KeyHold(const XSession& session, const QString& key);
    ~KeyHold();
    KeyHold(const KeyHold&) = delete;
    KeyHold& operator=(const KeyHold&) = delete;

    // Whether the last press or change went through.
    bool pressed() const { return pressed_; }
    // Lets go of the keys held and presses these instead.
    bool change(const QStringList& keys);
    bool release() { return change({}); }

private:
    const XSession& session_;
    QStringList keys_;  // after a failed change, every key that may be down
    bool pressed_ = false;
};

struct ExitResult {
    enum Kind { StillRunning, Exited, Crashed };
    Kind kind = StillRunning;
    int code = -1;
};

enum class SaveFault { None, ReadOnlyFolder, FullDisk, LockHeld };

// One run of the game from a temporary copy of its folder: the program and
// the data files the test gives. The program is killed when the run is
// destroyed, whatever state the test left it in. The player's own data
// folder is one of the run's, so that no run touches the tester's.
class GameRun {
public:
    explicit GameRun(const XSession& session);
    ~GameRun();
    GameRun(const GameRun&) = delete;
    GameRun& operator=(const GameRun&) = delete;

    // dataFiles maps a file name to its raw bytes; each name in `folders` is
    // made a directory instead.
    bool start(const QMap<QString, QByteArray>& dataFiles, QString* why, const QStringList& folders = {});
    // Starts the game and waits for its window, titled "Orvo", giving it the
    // focus when asked to. Nothing when that fails, with the reason and what
    // the game wrote on standard error.
    enum class Focus { Leave, Take };
    std::optional<WindowId> startToWindow(const QMap<QString, QByteArray>& dataFiles, Focus focus, int timeoutMs,
                                          QString* why);
    // Sets a variable of the game's environment; takes effect at start().
    void setEnvironmentVariable(const QString& name, const QString& value) { variables_.insert(name, value); }
    // Runs this program where it stands, with these arguments, instead of a
    // copy of the build's in the run's folder.
    void useProgram(const QString& program, const QStringList& arguments = {});

    // For a start that a data file stops: waits for the message titled
    // "Orvo" (the game's own window must not open), answers it, and waits
    // for the game to end. False with the reason unless it ended by itself
    // with a status other than 0.
    bool answerStopMessage(int timeoutMs, QString* why);

    // Saving in the game's folder can be made to fail while the game runs:
    // prepare the fault before start() (a full disk needs a file system of
    // the game's own, which takes root to mount), and apply it once the game
    // has read its files. False with the reason when that cannot be done
    // here. LockHeld has this process hold the folder's Orvo.lock as
    // another game would while it saves.
    bool prepareFault(SaveFault fault, QString* why);
    bool applyFault(SaveFault fault, QString* why);

    // The names in the game's folder, sorted.
    QStringList folderEntries() const;

    QString folder() const;
    // The running game's process id; 0 when it is not running.
    qint64 processId() const { return process_.processId(); }
    // The bytes of a file in the game's folder, or nothing when it is missing.
    std::optional<QByteArray> fileBytes(const QString& name) const;

    ExitResult waitForExit(int timeoutMs);
    QByteArray standardError() const;

private:
    const XSession& session_;
    QTemporaryDir root_;
    QProcess process_;
    QMap<QString, QString> variables_;
    QString program_;
    QStringList arguments_;
    bool started_ = false;
    std::unique_ptr<SmallDisk> disk_;
    std::unique_ptr<ReadOnlyFolder> readOnly_;
    std::unique_ptr<QLockFile> otherGamesLock_;  // held by this process, another game's
};

// The base of every end-to-end test class. Before the first test it reads
// the repository's High.dat and starts an X session with a window manager;
// where the tools for that are not installed, the whole class is skipped
// with their names.
class EndToEndTest : public QObject {
    Q_OBJECT

protected:
    // A class's own preparations, once the session is up.
    virtual void sessionStarted() {}

    std::unique_ptr<XSession> session_;
    QByteArray highFile_;

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
};
