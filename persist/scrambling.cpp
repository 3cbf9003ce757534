// The high-score scrambling: a 22-character key and a repeating-key XOR.
#include "persist/scrambling.h"

#include <algorithm>

const std::vector<std::int16_t>& keyTable()
{
    // Every code is 128 or above, so a character below 128 (a digit, the
    // minus sign, a space) always scrambles to one of 128 or above: never a
    // quote, CR, LF, NUL or end-of-file mark that would break the record.
    static const std::vector<std::int16_t> codes = {
        201, 147, 178, 233, 140, 215, 166, 190, 241, 129, 172,
        224, 155, 207, 186, 250, 133, 196, 163, 238, 144, 219,
    };
    return codes;
}

std::string Codes_To_Text(const std::vector<std::int16_t>& codes)
{
    std::string text;
    for (std::size_t i = 0; i < codes.size(); ++i)
        text += static_cast<char>(static_cast<unsigned char>(codes[i]));
    return text;
}

std::string Xor_Text(const std::string& text, std::string& key)
{
    if (key.empty())
        return text;  // nothing to scramble with; the game always builds a key first

    // Grow the key by repeating its first 22 characters, so that character p
    // always equals character p - 22 and a grown key scrambles exactly as the
    // key as built, however often it has grown before.
    const std::size_t wanted = text.size();
    const std::size_t period = std::min(key.size(), keyTable().size());
    while (key.size() < wanted) {
        const char next = key[key.size() - period];  // copied: push_back may move the string
        key.push_back(next);
    }

    std::string result;
    result.reserve(wanted);
    for (std::size_t i = 0; i < wanted; ++i) {
        const auto a = static_cast<unsigned char>(text[i]);
        const auto b = static_cast<unsigned char>(key[i]);
        result += static_cast<char>(a ^ b);
    }
    return result;
}
