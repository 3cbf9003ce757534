// The texts a player reads. Each is written in English where it is used and
// marked with QT_TRANSLATE_NOOP(context, text), the mark lupdate collects
// into the translations. The game's rules include no Qt header, so the mark
// is defined here just as Qt defines it; the translation itself is asked of
// the translator the program installs at start. Until one is installed, and
// in English, every text is its English self.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// Gives a text in the player's language, in UTF-8 as every text of the game
// is; the text is returned unchanged when there is no translation of it.
using TextTranslator = std::string (*)(const char* context, const char* text);

// Installs the translator; nullptr goes back to English.
void setTextTranslator(TextTranslator translator);

// The text in the player's language.
std::string translated(const char* context, const char* text);

// The pattern with %1, %2, ... %9 replaced by the arguments in their order.
// An argument that itself holds "%2" is not filled in again.
std::string withArguments(std::string_view pattern, std::initializer_list<std::string_view> arguments);
