#include "platform/data_folder.h"

#include "common/texts.h"
#include "persist/data_files.h"
#include "platform/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

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

}  // namespace

DataLocation locateDataFolder(const QString& given)
{
    return locateDataFolder(given, QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
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
    const std::string shownFolder = toLatin1(folder.path());
    if (folder.path().isEmpty() || !QDir().mkpath(folder.path()))
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
        std::cerr << fromLatin1(note).toLocal8Bit().constData() << std::endl;
    }
    return {};
}

}  // namespace platform
