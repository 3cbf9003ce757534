#include "support/test_game.h"

#include "persist/record.h"
#include "persist/scrambling.h"
#include "platform/dialogs.h"

#include <QFile>
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
    form_ = std::make_unique<Form1>(Form1Services {dialogs_, random_, platform::ProgramFolder(dir_.path()),
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
