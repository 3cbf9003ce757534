// Reading and writing the one-line records of the data files.
#include "persist/record.h"

#include "common/texts.h"

#include <charconv>

namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

std::string_view firstLine(std::string_view bytes)
{
    const std::size_t end = bytes.find_first_of("\r\n");
    return end == std::string_view::npos ? bytes : bytes.substr(0, end);
}

std::string_view trimSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace

RecordReader::RecordReader(std::string_view bytes)
    : line_(firstLine(bytes))
{
    empty_ = true;
    for (const char c : bytes) {
        if (c != ' ' && !isLineEnd(c)) {
            empty_ = false;
            break;
        }
    }
}

std::optional<std::string> RecordReader::nextField()
{
    while (pos_ < line_.size() && line_[pos_] == ' ')
        ++pos_;
    if (pos_ >= line_.size()) {
        problem_ = empty_ ? translated("DataFiles", QT_TRANSLATE_NOOP("DataFiles", "it is empty."))
                          : translated("DataFiles", QT_TRANSLATE_NOOP("DataFiles", "it has too few fields."));
        return std::nullopt;
    }

    std::string_view rest = line_.substr(pos_);
    std::string field;
    if (rest.front() == '"') {
        const std::size_t close = rest.find('"', 1);
        if (close == std::string_view::npos) {
            problem_ = translated("DataFiles", QT_TRANSLATE_NOOP("DataFiles", "a text field has no closing quote."));
            return std::nullopt;
        }
        field = rest.substr(1, close - 1);
        // A quote inside a name ends the text early; whatever follows it up
        // to the next comma belongs to no field, so a stored name that held
        // a quote still loads, cut short.
        const std::size_t comma = rest.find(',', close + 1);
        pos_ = comma == std::string_view::npos ? line_.size() : pos_ + comma + 1;
    } else {
        const std::size_t comma = rest.find(',');
        field = trimSpaces(rest.substr(0, comma));
        pos_ = comma == std::string_view::npos ? line_.size() : pos_ + comma + 1;
    }
    return field;
}

std::optional<long long> wholeNumber(std::string_view text)
{
    text = trimSpaces(text);
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end)
        return std::nullopt;
    return value;
}

std::string textRecord(std::string_view text)
{
    std::string record = "\"";
    record += text;
    record += "\"\r\n";
    return record;
}

std::string numberRecord(std::initializer_list<long long> numbers)
{
    std::string record;
    for (const long long n : numbers) {
        if (!record.empty())
            record += ',';
        record += std::to_string(n);
    }
    record += "\r\n";
    return record;
}

std::string storableText(std::string_view text)
{
    std::string stored(text);
    for (char& c : stored) {
        if (c == '"')
            c = '\'';
        else if (c == '\r' || c == '\n')
            c = ' ';
    }
    return stored;
}
