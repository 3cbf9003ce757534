#include "common/text_forms.h"

std::string twoDigitForm(int n)
{
    std::string digits = std::to_string(n < 0 ? -static_cast<long long>(n) : n);
    if (digits.size() < 2)
        digits.insert(0, 2 - digits.size(), '0');
    return n < 0 ? "-" + digits : digits;
}

std::string signSpaceForm(int n)
{
    return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

std::string utf8FromSingleBytes(std::string_view text)
{
    std::string utf8;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x80) {
            utf8 += c;
            continue;
        }
        utf8 += static_cast<char>(0xC0 | code >> 6);
        utf8 += static_cast<char>(0x80 | (code & 0x3F));
    }
    return utf8;
}
