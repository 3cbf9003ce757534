// Turning the records of High.dat, Orvo.dat and Style.dat into checked
// values, and the message shown when one of them cannot be used.
#include "persist/data_files.h"

#include "common/texts.h"
#include "common/utf8.h"
#include "persist/record.h"

#include <algorithm>

#include <algorithm>

namespace {

constexpr long long kLargestScore = 32767;

// A text of the messages about the data files in the player's language.
std::string dataFileText(const char* english)
{
    return translated("DataFiles", english);
}

// The next field of the record as a whole number from low to high; on
// failure the problem is the sentence given, with low and high filled in.
std::optional<long long> numberField(RecordReader& reader, const char* outOfRange,
                                     long long low, long long high,
                                     std::string& problem)
{
    const std::optional<std::string> field = reader.nextField();
    if (!field) {
        problem = reader.problem();
        return std::nullopt;
    }
    const std::optional<long long> number = wholeNumber(*field);
    if (!number || *number < low || *number > high) {
        problem = withArguments(dataFileText(outOfRange), {std::to_string(low), std::to_string(high)});
        return std::nullopt;
    }
    return number;
}

} // namespace

Loaded<std::string> readTextRecord(std::string_view bytes)
{
    RecordReader reader(bytes);
    std::optional<std::string> text = reader.nextField();
    if (!text)
        return Loaded<std::string>::failed(reader.problem());
    return {std::move(text), {}};
}

std::string boundedName(std::string_view name)
{
    return firstCharacters(name, kLongestName);
}

Loaded<std::string> readNameRecord(std::string_view bytes)
{
    Loaded<std::string> name = readTextRecord(bytes);
    if (!name.value)
        return name;
    // Plain ASCII reads the same either way. A Latin-1 name is taken for
    // UTF-8 only when its bytes happen to form UTF-8, which takes a letter
    // from C2 to F4 followed straight away by a symbol from 80 to BF.
    const std::string& field = *name.value;
    const bool beyondAscii
        = std::any_of(field.begin(), field.end(), [](char c) { return static_cast<unsigned char>(c) > 127; });
    const bool utf8 = beyondAscii && isUtf8(field);
    name.value = boundedName(utf8 ? field : utf8FromLatin1(field));
    return name;
}

std::string nameRecord(std::string_view name)
{
    return textRecord(latin1FromUtf8(name).value_or(std::string(name)));
}

std::string shownName(const std::string& name)
{
    return name == kNobody ? translated("DataFiles", kNobody) : name;
}

Loaded<std::int16_t> highScoreFromText(std::string_view text)
{
    const std::optional<long long> number = wholeNumber(text);
    if (!number || *number < 0 || *number > kLargestScore) {
        const char* problem = QT_TRANSLATE_NOOP("DataFiles", "the high score is not a whole number from 0 to %1.");
        return Loaded<std::int16_t>::failed(withArguments(dataFileText(problem), {std::to_string(kLargestScore)}));
    }
    return {static_cast<std::int16_t>(*number), {}};
}

Loaded<StyleSettings> readStyleRecord(std::string_view bytes)
{
    RecordReader reader(bytes);
    std::string problem;
    const auto fore = numberField(
        reader, QT_TRANSLATE_NOOP("DataFiles", "the fore colour is not a whole number from %1 to %2."), 0,
        kLargestColour, problem);
    if (!fore)
        return Loaded<StyleSettings>::failed(problem);
    const auto back = numberField(
        reader, QT_TRANSLATE_NOOP("DataFiles", "the back colour is not a whole number from %1 to %2."), 0,
        kLargestColour, problem);
    if (!back)
        return Loaded<StyleSettings>::failed(problem);
    const auto style = numberField(
        reader, QT_TRANSLATE_NOOP("DataFiles", "the style is not a whole number from %1 to %2."), -32768, 32767,
        problem);
    if (!style)
        return Loaded<StyleSettings>::failed(problem);

    StyleSettings settings;
    settings.foreColor = static_cast<ColourWord>(*fore);
    settings.backColor = static_cast<ColourWord>(*back);
    settings.styleIndex = static_cast<std::int16_t>(*style);
    return {settings, {}};
}

std::string styleRecord(const StyleSettings& settings)
{
    return numberRecord({settings.foreColor, settings.backColor, settings.styleIndex});
}

std::string loadFailureMessage(std::string_view fileName, std::string_view problem)
{
    //: %1 is the file with its folder, %2 what is wrong with it.
    std::string message
        = withArguments(dataFileText(QT_TRANSLATE_NOOP("DataFiles", "Orvo cannot start: %1: %2")),
                        {fileName, problem});
    // The sentence ends with one full stop, Latin or ideographic.
    if (!message.ends_with('.') && !message.ends_with("\u3002"))
        message += '.';
    return message;
}

std::string saveFailureMessage(std::string_view fileName, std::string_view reason)
{
    //: %1 is the file with its folder, %2 why it could not be saved.
    if (!reason.empty())
        return withArguments(dataFileText(QT_TRANSLATE_NOOP("DataFiles",
            "Orvo could not save %1 (%2). The file keeps its earlier content; the game goes on with the new values "
            "until it ends.")), {fileName, reason});
    return withArguments(dataFileText(QT_TRANSLATE_NOOP("DataFiles",
        "Orvo could not save %1. The file keeps its earlier content; the game goes on with the new values until "
        "it ends.")), {fileName});
}
