// The game's texts are UTF-8 in std::string. These are the few things the
// rules need to know about it: whether bytes are UTF-8 at all, where one
// character ends, and the way to and from Latin-1, the single-byte text of
// the data files written before names in other scripts were kept.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// True when the bytes are well-formed UTF-8: shortest forms only, no
// surrogates, nothing above U+10FFFF.
bool isUtf8(std::string_view bytes);

// The first n characters of a UTF-8 text, never cut inside one.
std::string firstCharacters(std::string_view text, std::size_t n);

// Latin-1 text (each byte the character of that code) in UTF-8.
std::string utf8FromLatin1(std::string_view text);

// The UTF-8 text in Latin-1, when every character of it has a code below
// 256; nothing otherwise.
std::optional<std::string> latin1FromUtf8(std::string_view text);
