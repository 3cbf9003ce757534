// The game in the language of the player's desktop: its own texts from the
// translations built into the program (":/i18n/orvo_<language>.qm"), and
// Qt's own texts, such as the dialogs' buttons, from Qt's translations in the
// same language. The texts are written in English, so English needs no
// translation, and neither does the C locale.
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace platform {

class Translations {
public:
    // The language of the system's locale, as the desktop sets it (LANGUAGE,
    // LC_ALL, LC_MESSAGES, LANG).
    Translations();
    // The first of the locale's languages that the game has, unless English
    // comes before it.
    explicit Translations(const QLocale& locale);
    // Goes back to English.
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language of the game's texts, such as "de"; empty for English.
    QString language() const { return game_.language(); }

    // Puts both translators into the application, once it exists. The
    // game's own texts are translated from construction on, so that the
    // command line is answered in the player's language too.
    void install();

private:
    QTranslator game_;
    QTranslator qt_;
};

// A game text in the player's language, marked for lupdate with
// QT_TRANSLATE_NOOP where it is written. Works before the application exists.
QString gameText(const char* context, const char* text);

}  // namespace platform
