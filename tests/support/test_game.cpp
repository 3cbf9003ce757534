#include "support/test_game.h"

#include "persist/record.h"
#include "persist/scrambling.h"
#include "platform/dialogs/dialogs.h"

#include <QFile>
#include <QProcess>

#include <unistd.h>
#include <QTest>

DataFiles DataFiles::defaults(const std::string& styleRecord)
{
    return DataFiles {defaultHighDat(), textRecord("<No One>"), styleRecord};
}

std::string defaultHighDat()
{
    std::string key = Codes_To_Text(keyTable());
    return textRecord(Xor_Text("0", key));
}

namespace {

void writeFile(const QString& path, const std::string& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

}  // namespace

TestGame::TestGame(const DataFiles& files, std::uint64_t seed) : random_(seed)
{
    if (!files.high.empty())
        writeFile(dir_.filePath("High.dat"), files.high);
    if (!files.name.empty())
        writeFile(dir_.filePath("Orvo.dat"), files.name);
    if (!files.style.empty())
        writeFile(dir_.filePath("Style.dat"), files.style);
    form_ = std::make_unique<Form1>(Form1Services {dialogs_, random_, platform::DataFolder(dir_.path()),
                                                   [] { return 12345.678; },
                                                   [this](int status) { endedWith = status; }});
}

std::string TestGame::fileBytes(const char* name) const
{
    QFile file(dir_.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool TestGame::start()
{
    if (!form_->Form_Load())
        return false;
    form_->show();
    if (!QTest::qWaitForWindowExposed(&form_->window()))
        return false;
    form_->window().activateWindow();
    return QTest::qWaitForWindowActive(&form_->window()) && form_->Maze_Width >= Form1::kSmallestWidth;
}

bool placeBesideGoal(Form1& f)
{
    const int gx = f.Maze_Width - 1;
    const int gy = f.Goal_Y;
    struct Approach {
        int dx, dy;
        std::int16_t Form1::*key;
    };
    const Approach approaches[] = {{0, 1, &Form1::Key_Up}, {1, 0, &Form1::Key_Left},
                                   {-1, 0, &Form1::Key_Right}, {0, -1, &Form1::Key_Down}};
    for (const Approach& a : approaches) {
        if (f.Maze(gx + a.dx, gy + a.dy) != 0) {
            f.Player_X = static_cast<std::int16_t>(gx + a.dx);
            f.Player_Y = static_cast<std::int16_t>(gy + a.dy);
            f.*a.key = -1;
            return true;
        }
    }
    return false;
}

namespace {

bool runQuietly(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString& path) : path_(path)
{
    if (geteuid() != 0) {
        ok_ = QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (!ok_)
            reason_ = QStringLiteral("could not take the write permission away");
        return;
    }
    // Root writes through permission bits; the immutable attribute stops it.
    immutable_ = runQuietly(QStringLiteral("chattr"), {QStringLiteral("+i"), path_});
    ok_ = immutable_;
    if (!ok_)
        reason_ = QStringLiteral("running as root and chattr +i is not possible here");
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (immutable_)
        runQuietly(QStringLiteral("chattr"), {QStringLiteral("-i"), path_});
    else
        QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

SmallDisk::SmallDisk(const QString& path, qint64 bytes) : path_(path), bytes_(bytes)
{
    if (geteuid() != 0) {
        reason_ = QStringLiteral("a file system of its own needs root to mount");
        return;
    }
    mounted_ = runQuietly(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                    QStringLiteral("size=%1k").arg((bytes + 1023) / 1024),
                                                    QStringLiteral("tmpfs"), path_});
    if (!mounted_)
        reason_ = QStringLiteral("a tmpfs cannot be mounted here");
}

SmallDisk::~SmallDisk()
{
    // Lazily, should anything still hold it: the folder under it must be
    // free to go either way.
    if (mounted_ && !runQuietly(QStringLiteral("umount"), {path_}))
        runQuietly(QStringLiteral("umount"), {QStringLiteral("-l"), path_});
}

bool SmallDisk::fill(QString* why)
{
    QFile filler(path_ + QStringLiteral("/filler"));
    if (!mounted_ || !filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *why = QStringLiteral("no small disk to fill");
        return false;
    }
    const QByteArray block(4096, '\0');
    while (filler.size() <= bytes_ && filler.write(block) == block.size()) {
    }
    if (filler.error() != QFileDevice::ResourceError) {
        *why = QStringLiteral("the small disk did not fill up: ") + filler.errorString();
        return false;
    }
    return true;
}
