// End-to-end tests of start-up with a faulty data file: the real game in an
// X server of its own, one bad file at a time beside two good ones.
#include "e2e/screen_reading.h"
#include "e2e/x_session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

const QString kTitle = QStringLiteral("^Orvo$");
constexpr QSize kStartClient(666, 386);
constexpr int kStartW = 42;
constexpr int kStartH = 21;
constexpr int kWaitMs = 15000;
constexpr qsizetype kTenMiB = 10 * 1024 * 1024;

const QStringList kDataFiles {QStringLiteral("High.dat"), QStringLiteral("Orvo.dat"), QStringLiteral("Style.dat")};

// How a data file is laid out in the game's folder for one row.
enum class Placing { Missing, Bytes, Directory };

// What a data file in the folder is: missing, a directory, or its bytes.
struct Entry {
    Placing placing = Placing::Missing;
    QByteArray bytes;

    bool operator==(const Entry&) const = default;
};

QString describe(const Entry& entry)
{
    switch (entry.placing) {
    case Placing::Missing:
        return QStringLiteral("missing");
    case Placing::Directory:
        return QStringLiteral("a directory");
    case Placing::Bytes:
        break;
    }
    return QStringLiteral("%1 bytes").arg(entry.bytes.size());
}

// The key codes High.dat's digits are scrambled with, one per character in turn.
QByteArray scrambled(const QByteArray& digits)
{
    static const unsigned char key[] = {201, 147, 178, 233, 140};
    QByteArray out = digits;
    for (qsizetype i = 0; i < out.size(); ++i)
        out[i] = char(static_cast<unsigned char>(out[i]) ^ key[i % qsizetype(sizeof key)]);
    return out;
}

// 200 bytes that look random, hold NULs and hold no quote, comma or line end,
// so that no reading of them can come out as a record.
QByteArray garbage()
{
    QByteArray bytes;
    quint32 state = 0x2545F491u;
    while (bytes.size() < 200) {
        state = state * 1664525u + 1013904223u;
        char c = char(state >> 24);
        if (bytes.size() % 7 == 0)
            c = '\0';
        if (c == '"' || c == ',' || c == '\r' || c == '\n' || (c >= '0' && c <= '9') || c == '-' || c == ' ')
            c = char(0xA7);
        bytes.append(c);
    }
    return bytes;
}

// What a data file in the game's folder is now.
Entry entryIn(const GameRun& game, const QString& name)
{
    const QString path = QDir(game.folder()).filePath(name);
    const QFileInfo info(path);
    if (info.isDir())
        return {Placing::Directory, {}};
    QFile file(path);
    if (!info.exists() || !file.open(QIODevice::ReadOnly))
        return {};
    return {Placing::Bytes, file.readAll()};
}

// Starts the game with the files laid out as given.
bool startWith(GameRun& game, const QMap<QString, Entry>& files, QString* why)
{
    QMap<QString, QByteArray> bytes;
    QStringList folders;
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        if (it->placing == Placing::Bytes)
            bytes.insert(it.key(), it->bytes);
        else if (it->placing == Placing::Directory)
            folders.append(it.key());
    }
    return game.start(bytes, why, folders);
}

}  // namespace

Q_DECLARE_METATYPE(Placing)

class E2eFaultsTest : public EndToEndTest {
    Q_OBJECT

private:
    QMap<QString, Entry> goodFiles() const
    {
        return {
            {QStringLiteral("High.dat"), {Placing::Bytes, highFile_}},
            {QStringLiteral("Orvo.dat"), {Placing::Bytes, QByteArray("\"<No One>\"\r\n")}},
            {QStringLiteral("Style.dat"), {Placing::Bytes, QByteArray("12648447,6299680,0\r\n")}},
        };
    }

    // Every data file is as it was laid out before the run.
    void checkFilesUnchanged(const GameRun& game, const QMap<QString, Entry>& files) const
    {
        for (const QString& name : kDataFiles) {
            const Entry before = files.value(name);
            const Entry after = entryIn(game, name);
            QVERIFY2(after == before, qPrintable(name + QStringLiteral(" was changed: it was ") + describe(before)
                                                 + QStringLiteral(", now it is ") + describe(after)));
        }
    }

    const Palette pale_ {QColor(255, 255, 192), QColor(32, 32, 96)};

private Q_SLOTS:
    // Each faulty data file stops the start with a message that the player
    // answers, after which the game ends with a failure status and has not
    // touched any file; a long name, by contrast, is no fault.
    void startUpFaults_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Placing>("placing");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("starts");

        const QByteArray tenMiBx(kTenMiB, 'x');
        for (const QString& file : kDataFiles) {
            const QByteArray stem = file.chopped(4).toLower().toLatin1();
            QTest::newRow((stem + "_missing").constData()) << file << Placing::Missing << QByteArray() << false;
            QTest::newRow((stem + "_empty").constData()) << file << Placing::Bytes << QByteArray() << false;
            QTest::newRow((stem + "_directory").constData()) << file << Placing::Directory << QByteArray() << false;
        }

        QTest::newRow("high_garbage") << QStringLiteral("High.dat") << Placing::Bytes << garbage() << false;
        QTest::newRow("high_ten_mib") << QStringLiteral("High.dat") << Placing::Bytes << tenMiBx << false;
        QTest::newRow("high_truncated") << QStringLiteral("High.dat") << Placing::Bytes
                                        << QByteArray('"' + scrambled("1")) << false;
        QTest::newRow("high_out_of_range") << QStringLiteral("High.dat") << Placing::Bytes
                                           << QByteArray('"' + scrambled("40000") + "\"\r\n") << false;

        QTest::newRow("orvo_ten_mib_unclosed") << QStringLiteral("Orvo.dat") << Placing::Bytes
                                               << QByteArray('"' + QByteArray(kTenMiB, 'n')) << false;

        QTest::newRow("style_garbage") << QStringLiteral("Style.dat") << Placing::Bytes << garbage() << false;
        QTest::newRow("style_ten_mib") << QStringLiteral("Style.dat") << Placing::Bytes << tenMiBx << false;
        QTest::newRow("style_truncated") << QStringLiteral("Style.dat") << Placing::Bytes
                                         << QByteArray("12648447,62") << false;
        QTest::newRow("style_fore_out_of_range") << QStringLiteral("Style.dat") << Placing::Bytes
                                                 << QByteArray("16777216,0,0") << false;
        QTest::newRow("style_index_out_of_range") << QStringLiteral("Style.dat") << Placing::Bytes
                                                  << QByteArray("0,0,40000") << false;
        QTest::newRow("style_too_few_fields") << QStringLiteral("Style.dat") << Placing::Bytes
                                              << QByteArray("12648447,6299680\r\n") << false;

        QTest::newRow("orvo_long_name") << QStringLiteral("Orvo.dat") << Placing::Bytes
                                        << QByteArray('"' + QByteArray(1000, 'L') + "\"\r\n") << true;
    }

    void startUpFaults()
    {
        QFETCH(QString, file);
        QFETCH(Placing, placing);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, starts);
        QMap<QString, Entry> files = goodFiles();
        if (placing == Placing::Missing)
            files.remove(file);
        else
            files[file] = {placing, bytes};
        GameRun game(*session_);
        QString why;
        QVERIFY2(startWith(game, files, &why), qPrintable(why));

        if (starts) {
            const std::optional<WindowId> window = session_->waitForWindow(kTitle, kWaitMs);
            QVERIFY2(window, "no window titled Orvo appeared");
            const std::optional<Scene> scene =
                waitForScene(*session_, *window, kStartClient, kStartW, kStartH, pale_, nullptr, kWaitMs, &why);
            QVERIFY2(scene, qPrintable(why));
            QVERIFY2(session_->activate(*window), "the game window could not be activated");
            QVERIFY(session_->key(QStringLiteral("Escape")));
            const ExitResult exit = game.waitForExit(kWaitMs);
            QVERIFY2(exit.kind != ExitResult::StillRunning, "the game still runs after Escape");
            QCOMPARE(exit.kind, ExitResult::Exited);
            QCOMPARE(exit.code, 0);
            checkFilesUnchanged(game, files);
            return;
        }

        QVERIFY2(game.answerStopMessage(kWaitMs, &why), qPrintable(why));
        const QByteArray err = game.standardError();
        QVERIFY2(err.contains(file.toLatin1()),
                 qPrintable(QStringLiteral("standard error: ") + QString::fromLocal8Bit(err.left(2000))));
        checkFilesUnchanged(game, files);
    }
};

QTEST_GUILESS_MAIN(E2eFaultsTest)
#include "test_e2e_faults.moc"
