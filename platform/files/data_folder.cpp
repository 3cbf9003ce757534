#include "platform/files/data_folder.h"

#include "common/texts.h"
#include "persist/data_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <iostream>
#include <optional>

namespace platform {

namespace {

constexpr const char* kDataFiles[] = {kHighFile, kNameFile, kStyleFile};

bool holdsAnyDataFile(const DataFolder& folder)
{
    for (const char* name : kDataFiles) {
        if (QFileInfo::exists(folder.filePath(name)))
            return true;
    }
    return false;
}

// The default content of a data file, as built into the program.
std::optional<std::string> defaultBytes(const char* name)
{
    QFile file(QStringLiteral(":/defaults/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Makes the folder, and each missing folder above it, for its owner alone:
// no other user may put a link where the game will save a file. A folder
// that is there keeps its mode.
bool makePrivateFolder(const QString& path)
{
    const QFileInfo there(path);
    if (there.isDir())
        return true;
    const QString parent = there.absolutePath();
    if (parent != there.absoluteFilePath() && !makePrivateFolder(parent))
        return false;
    // Another game may have made it in the meantime.
    return QDir().mkdir(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) || QFileInfo(path).isDir();
}

}  // namespace

QString perUserDataFolder()
{
    // The XDG base directory rules: a relative path in the variable is
    // ignored, as an unset one is.
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(dataHome + QLatin1Char('/') + QCoreApplication::applicationName());
}

DataLocation locateDataFolder(const QString& given)
{
    return locateDataFolder(given, QCoreApplication::applicationDirPath(), perUserDataFolder());
}

DataLocation locateDataFolder(const QString& given, const QString& programFolder, const QString& perUserFolder)
{
    if (!given.isEmpty())
        return {DataFolder(given), DataPlace::Given};
    if (holdsAnyDataFile(DataFolder(programFolder)))
        return {DataFolder(programFolder), DataPlace::Portable};
    return {DataFolder(perUserFolder), DataPlace::PerUser};
}

std::string prepareDataFolder(const DataFolder& folder)
{
    const std::string shownFolder = QFile::encodeName(folder.path()).toStdString();
    if (folder.path().isEmpty() || !makePrivateFolder(folder.path()))
        return loadFailureMessage(shownFolder, translated("DataFiles", QT_TRANSLATE_NOOP("DataFiles",
                                                          "the folder for the game's files cannot be made")));

    for (const char* name : kDataFiles) {
        // Whatever has the file's name, a folder or a broken link among
        // them, is left to the reading, which names what is wrong with it.
        const QFileInfo there(folder.filePath(name));
        if (there.exists() || there.isSymLink())
            continue;
        const std::optional<std::string> bytes = defaultBytes(name);
        if (!bytes)
            return loadFailureMessage(
                folder.shownPath(name),
                translated("DataFiles", QT_TRANSLATE_NOOP("DataFiles", "its default is missing from the program")));
        const FileWrite written = folder.write(name, *bytes);
        if (!written.ok)
            return loadFailureMessage(
                folder.shownPath(name),
                //: %1 is the reason the system gives.
                withArguments(translated("DataFiles",
                                         QT_TRANSLATE_NOOP("DataFiles", "its default cannot be written (%1)")),
                              {written.problem}));
        //: %1 is the file, %2 the folder.
        const std::string note = withArguments(
            translated("DataFiles", QT_TRANSLATE_NOOP("DataFiles", "Orvo wrote the default %1 into %2.")),
            {name, shownFolder});
        std::cerr << QString::fromStdString(note).toLocal8Bit().constData() << std::endl;
    }
    return {};
}

}  // namespace platform
