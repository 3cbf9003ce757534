#include "platform/text/translations.h"

#include "common/texts.h"
#include "platform/text/qt_text.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace platform {

namespace {

const QTranslator* current = nullptr;

// The buttons of the game's dialogs, in Qt's own words and context: every
// translation of the game carries them too.
[[maybe_unused]] constexpr const char* kDialogButtons[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
};

std::string translatedText(const char* context, const char* text)
{
    return gameString(gameText(context, text));
}

// Under the C locale a program speaks English whatever LANGUAGE asks for,
// as every other program on the system does.
QLocale desktopLocale()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(name);
        if (!value.isEmpty())
            return value == "C" || value == "POSIX" || value.startsWith("C.") ? QLocale::c() : QLocale::system();
    }
    return QLocale::c();
}

}  // namespace

Translations::Translations() : Translations(desktopLocale()) {}

Translations::Translations(const QLocale& locale)
{
    for (const QString& name : locale.uiLanguages()) {
        const QLocale one(name);
        if (one.language() == QLocale::English || one.language() == QLocale::C
            || game_.load(one, QStringLiteral("orvo"), QStringLiteral("_"), QStringLiteral(":/i18n")))
            break;
    }
    if (game_.isEmpty())
        return;
    current = &game_;
    setTextTranslator(translatedText);
}

Translations::~Translations()
{
    if (current == &game_) {
        current = nullptr;
        setTextTranslator(nullptr);
    }
}

void Translations::install()
{
    if (game_.isEmpty())
        return;
    if (qt_.load(QLocale(game_.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
    // Installed last, so asked first: for a language Qt has no translation
    // of its own for (Swedish, for one), it also carries the buttons.
    QCoreApplication::installTranslator(&game_);
}

QString gameText(const char* context, const char* text)
{
    const QString found = current ? current->translate(context, text) : QString();
    return found.isEmpty() ? QString::fromUtf8(text) : found;
}

}  // namespace platform
