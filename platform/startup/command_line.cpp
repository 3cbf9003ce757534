#include "platform/startup/command_line.h"

#include "platform/text/translations.h"

#include <QCommandLineParser>
#include <QStringList>

#include <iostream>

namespace platform {

namespace {

constexpr const char* kUsage = QT_TRANSLATE_NOOP("CommandLine",
    "Usage: orvo [--data-dir FOLDER]\n"
    "Steer the green dot through a random maze to the blue dot against the clock.\n"
    "\n"
    "Options:\n"
    "  --data-dir FOLDER  read and write the data files in FOLDER\n"
    "  -h, --help         print this help and exit\n"
    "  -v, --version      print the version and exit\n"
    "\n"
    "Qt's standard options are accepted too, such as -platform NAME, -style NAME,\n"
    "-reverse and -session ID (which session managers use).\n"
    "\n"
    "Without --data-dir the data files are kept beside the program when any of\n"
    "them is there, and otherwise in $XDG_DATA_HOME/orvo (~/.local/share/orvo).\n");

QByteArray usage()
{
    return gameText("CommandLine", kUsage).toLocal8Bit();
}

// The options every Qt program takes (-display to -dograb on X11 only),
// those with a value and those without: the application object acts on them
// once the line has been accepted here.
constexpr const char* kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger", "qwindowgeometry",
    "qwindowtitle", "qwindowicon", "session", "style", "stylesheet", "display", "geometry", "title", "icon",
    "name", "visual",
};
constexpr const char* kQtFlags[] = {"reverse", "testability", "widgetcount", "qdevel", "qdebug", "nograb", "dograb"};

void acceptQtOptions(QCommandLineParser& parser)
{
    for (const char* name : kQtOptionsWithValue)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("value")));
    for (const char* name : kQtFlags)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
}

CommandLine misunderstood(const QString& why)
{
    std::cerr << "orvo: " << why.toLocal8Bit().constData() << "\n\n" << usage().constData();
    return {2, {}};
}

// What is wrong with the line, in Qt's words in the player's language:
// Qt's own translations are not loaded this early, before the application
// exists, so the game carries these.
QString parseError(const QCommandLineParser& parser)
{
    const QString error = parser.errorText();
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.size() == 1)
        return gameText("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Unknown option '%1'.")).arg(unknown.first());
    if (unknown.size() > 1)
        return gameText("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Unknown options: %1."))
            .arg(unknown.join(QStringLiteral(", ")));
    // Qt names the option in quotes.
    const QString option = error.section(u'\'', 1, -2);
    if (error.startsWith(QLatin1String("Missing value")))
        return gameText("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Missing value after '%1'.")).arg(option);
    if (error.startsWith(QLatin1String("Unexpected value")))
        return gameText("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Unexpected value after '%1'.")).arg(option);
    return error;
}

}  // namespace

CommandLine readCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, {});
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, {});
    const QCommandLineOption dataDir(QStringLiteral("data-dir"), {}, QStringLiteral("folder"));
    parser.addOptions({help, version, dataDir});
    // Qt's own options are words after a single dash: -session, not -s -e ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    acceptQtOptions(parser);

    if (!parser.parse(arguments))
        return misunderstood(parseError(parser));
    if (!parser.positionalArguments().isEmpty())
        return misunderstood(gameText("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "unexpected argument '%1'."))
                                 .arg(parser.positionalArguments().first()));
    if (parser.isSet(help)) {
        std::cout << usage().constData();
        return {0, {}};
    }
    if (parser.isSet(version)) {
        std::cout << "orvo " ORVO_VERSION "\n";
        return {0, {}};
    }
    if (parser.isSet(dataDir) && parser.value(dataDir).isEmpty())
        return misunderstood(gameText("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "--data-dir needs a folder.")));
    return {std::nullopt, parser.value(dataDir)};
}

}  // namespace platform
