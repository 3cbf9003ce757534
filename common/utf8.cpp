#include "common/utf8.h"

namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed character that starts at bytes[i], or 0.
std::size_t characterLength(std::string_view bytes, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80)
        return 1;
    // The second byte's range depends on the lead: this keeps out overlong
    // forms (E0, F0), surrogates (ED) and codes above U+10FFFF (F4).
    unsigned char low = 0x80, high = 0xBF;
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    if (second < low || second > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (!isContinuation(static_cast<unsigned char>(bytes[i + k])))
            return 0;
    }
    return length;
}

}  // namespace

bool isUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = characterLength(bytes, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string firstCharacters(std::string_view text, std::size_t n)
{
    std::size_t end = 0;
    for (std::size_t count = 0; end < text.size() && count < n; ++count) {
        ++end;
        while (end < text.size() && isContinuation(static_cast<unsigned char>(text[end])))
            ++end;
    }
    return std::string(text.substr(0, end));
}

std::string utf8FromLatin1(std::string_view text)
{
    std::string utf8;
    utf8.reserve(text.size());
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

std::optional<std::string> latin1FromUtf8(std::string_view text)
{
    std::string latin1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            latin1 += text[i];
            continue;
        }
        // U+0080 to U+00FF are C2 or C3 and one more byte; anything else
        // lies beyond Latin-1.
        if ((byte != 0xC2 && byte != 0xC3) || i + 1 >= text.size()
            || !isContinuation(static_cast<unsigned char>(text[i + 1])))
            return std::nullopt;
        latin1 += static_cast<char>((byte & 0x03) << 6 | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
        ++i;
    }
    return latin1;
}
