// What the three data files hold, and the checks a loaded value must pass
// before the game may start with it.
#pragma once

#include "common/colour.h"
#include "common/texts.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr const char* kHighFile = "High.dat";
inline constexpr const char* kNameFile = "Orvo.dat";
inline constexpr const char* kStyleFile = "Style.dat";

// The name stored when a new high score's holder gives none. Orvo.dat
// always holds it in English, so the file reads the same to every player;
// the high-score line shows it in the player's language.
inline constexpr const char* kNobody = QT_TRANSLATE_NOOP("DataFiles", "<No One>");

// The longest name the game keeps: a longer one, typed or read from
// Orvo.dat, is cut to its first 255 characters (never inside one), so that
// the high-score line stays a line.
inline constexpr std::size_t kLongestName = 255;

// A value read from a file, or the reason it could not be.
template <typename T>
struct Loaded {
    std::optional<T> value;
    std::string problem;  // a sentence for the player, e.g. "it holds no record."

    static Loaded failed(std::string why) { return {std::nullopt, std::move(why)}; }
};

struct StyleSettings {
    ColourWord foreColor = 0;
    ColourWord backColor = 0;
    std::int16_t styleIndex = 0;
};

// The single text field of High.dat or Orvo.dat.
Loaded<std::string> readTextRecord(std::string_view bytes);

// A name as the game keeps it: at most kLongestName characters.
std::string boundedName(std::string_view name);

// The holder's name from the bytes of Orvo.dat, in UTF-8 and bounded. A
// name whose characters all lie in Latin-1 is stored as single bytes, any
// other in UTF-8: a field that is well-formed UTF-8 and holds a byte above
// 127 is read as UTF-8, every other one as Latin-1.
Loaded<std::string> readNameRecord(std::string_view bytes);

// The record of Orvo.dat for a name, stored as readNameRecord reads it.
std::string nameRecord(std::string_view name);

// The holder's name as the high-score line shows it: the default holder in
// the player's language, any other name as it is.
std::string shownName(const std::string& name);

// The unscrambled High.dat text as the high score: a whole number 0..32767.
Loaded<std::int16_t> highScoreFromText(std::string_view text);

// Fore colour, back colour (each 0..16777215) and style (16-bit) of Style.dat.
Loaded<StyleSettings> readStyleRecord(std::string_view bytes);

std::string styleRecord(const StyleSettings& settings);

// The message shown when a data file stops the start: names the file and
// says what is wrong with it.
std::string loadFailureMessage(std::string_view fileName, std::string_view problem);

// The message shown when a data file could not be saved during play: names
// the file and the reason, and tells the player the game goes on.
std::string saveFailureMessage(std::string_view fileName, std::string_view reason);
