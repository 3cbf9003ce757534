#include "platform/files/files.h"

#include "common/texts.h"
#include "platform/text/qt_text.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QTimer>

namespace platform {

namespace {

constexpr qint64 kLargestRead = 64 * 1024;
constexpr const char* kLockFile = "Orvo.lock";
constexpr std::chrono::milliseconds kLockRetry {20};

std::string unreadable(const QFile& file)
{
    //: %1 is the reason the system gives.
    return withArguments(translated("DataFiles", QT_TRANSLATE_NOOP("DataFiles", "it cannot be read (%1)")),
                         {gameString(file.errorString())});
}

}  // namespace

QString DataFolder::filePath(const char* name) const
{
    return path_ + QLatin1Char('/') + QLatin1String(name);
}

std::string DataFolder::shownPath(const char* name) const
{
    return QFile::encodeName(filePath(name)).toStdString();
}

FileRead DataFolder::read(const char* name) const
{
    const QString path = filePath(name);
    const QFileInfo info(path);
    if (!info.exists())
        return {false, {}, translated("DataFiles", QT_TRANSLATE_NOOP("DataFiles", "it is missing"))};
    if (info.isDir())
        return {false, {}, translated("DataFiles", QT_TRANSLATE_NOOP("DataFiles", "it is a folder, not a file"))};
    // A named pipe or a device could keep the start waiting for ever.
    if (!info.isFile())
        return {false, {}, translated("DataFiles", QT_TRANSLATE_NOOP("DataFiles", "it is not a plain file"))};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, {}, unreadable(file)};
    const QByteArray bytes = file.read(kLargestRead);
    if (file.error() != QFileDevice::NoError)
        return {false, {}, unreadable(file)};
    return {true, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())), {}};
}

FileWrite DataFolder::write(const char* name, const std::string& bytes) const
{
    QSaveFile file(filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return {false, gameString(file.errorString())};
    // The bytes are flushed by hand: a write that fails only as the buffer
    // is flushed (a full disk) would otherwise still let the empty
    // temporary file take the old one's place.
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())
        || !file.flush()) {
        const std::string why = gameString(file.errorString());
        file.cancelWriting();
        return {false, why};
    }
    if (!file.commit())
        return {false, gameString(file.errorString())};
    return {true, {}};
}

SaveLock::SaveLock(const DataFolder& folder, std::chrono::milliseconds patience)
    : lock_(std::make_unique<QLockFile>(folder.filePath(kLockFile)))
{
    // A save takes a blink; a lock held for long belongs to a game that has
    // stopped, which is no reason to take it over.
    lock_->setStaleLockTime(std::chrono::milliseconds::zero());
    QElapsedTimer waited;
    waited.start();
    while (!lock_->tryLock() && lock_->error() == QLockFile::LockFailedError
           && waited.elapsed() < patience.count()) {
        QEventLoop loop;
        QTimer::singleShot(kLockRetry, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (lock_->isLocked())
        return;
    //: %1 is the lock file with its folder.
    problem_ = withArguments(
        lock_->error() == QLockFile::LockFailedError
            ? translated("DataFiles", QT_TRANSLATE_NOOP("DataFiles", "another game is saving and holds %1"))
            : translated("DataFiles", QT_TRANSLATE_NOOP("DataFiles", "%1 cannot be made")),
        {folder.shownPath(kLockFile)});
}

bool SaveLock::held() const
{
    return lock_->isLocked();
}

// The lock file goes with the lock, when this game held it.
SaveLock::~SaveLock() = default;

}  // namespace platform
