// Turning the records of High.dat, Orvo.dat and Style.dat into checked
// values, and the message shown when one of them cannot be used.
#include "persist/data_files.h"

#include "persist/record.h"

namespace {

constexpr long long kLargestScore = 32767;

// The next field of the record as a whole number from low to high; on
// failure the problem is about the named value.
std::optional<long long> numberField(RecordReader& reader, const char* what,
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
        problem = std::string(what) + " is not a whole number from " + std::to_string(low)
                + " to " + std::to_string(high) + ".";
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
    return std::string(name.substr(0, kLongestName));
}

Loaded<std::int16_t> highScoreFromText(std::string_view text)
{
    const std::optional<long long> number = wholeNumber(text);
    if (!number || *number < 0 || *number > kLargestScore) {
        return Loaded<std::int16_t>::failed("the high score is not a whole number from 0 to "
                                            + std::to_string(kLargestScore) + ".");
    }
    return {static_cast<std::int16_t>(*number), {}};
}

Loaded<StyleSettings> readStyleRecord(std::string_view bytes)
{
    RecordReader reader(bytes);
    std::string problem;
    const auto fore = numberField(reader, "the fore colour", 0, kLargestColour, problem);
    if (!fore)
        return Loaded<StyleSettings>::failed(problem);
    const auto back = numberField(reader, "the back colour", 0, kLargestColour, problem);
    if (!back)
        return Loaded<StyleSettings>::failed(problem);
    const auto style = numberField(reader, "the style", -32768, 32767, problem);
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
    std::string message = "Orvo cannot start: ";
    message += fileName;
    message += ": ";
    message += problem;
    if (message.back() != '.')
        message += '.';
    return message;
}

std::string saveFailureMessage(std::string_view fileName, std::string_view reason)
{
    std::string message = "Orvo could not save ";
    message += fileName;
    if (!reason.empty()) {
        message += " (";
        message += reason;
        message += ")";
    }
    message += ". The file keeps its earlier content; the game goes on with the new values until it ends.";
    return message;
}
