// The record format of the data files: one line of comma-separated fields,
// text fields in double quotes, numbers in plain decimal, ended by CR LF.
// A record is bytes: a std::string holds a field as the file has it, and
// what its bytes mean is the business of the file that holds it.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// Reads the fields of the first line of a file, one at a time.
class RecordReader {
public:
    // The reader keeps a view of the bytes: they must outlive it.
    explicit RecordReader(std::string_view bytes);
    explicit RecordReader(std::string&&) = delete;

    // The next field's text, or nothing when the record has no field left or
    // the field is malformed; problem() then says which.
    std::optional<std::string> nextField();

    const std::string& problem() const { return problem_; }

private:
    std::string_view line_;
    std::size_t pos_ = 0;
    bool empty_ = false;
    std::string problem_;
};

// A whole number in decimal with an optional minus sign, surrounded by
// nothing but spaces. Nothing when the text is not one or does not fit.
std::optional<long long> wholeNumber(std::string_view text);

// One record with a single text field: quote, text, quote, CR LF.
std::string textRecord(std::string_view text);

// One record of numeric fields: "65280,16711680,2" then CR LF.
std::string numberRecord(std::initializer_list<long long> numbers);

// A text as a text field can carry it: a double quote becomes an apostrophe,
// CR and LF become spaces. Everything else, leading and trailing spaces
// included, is kept.
std::string storableText(std::string_view text);
