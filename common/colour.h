// The colour word shared by every part of the game: red in the low byte,
// then green, then blue (0x00BBGGRR).
#pragma once

#include <cstdint>

using ColourWord = std::int32_t;

constexpr ColourWord RGB(int r, int g, int b)
{
    return r + 256 * g + 65536 * b;
}

constexpr int redOf(ColourWord c) { return c & 0xFF; }
constexpr int greenOf(ColourWord c) { return (c >> 8) & 0xFF; }
constexpr int blueOf(ColourWord c) { return (c >> 16) & 0xFF; }

// The colours the game draws with besides the two settings.
constexpr ColourWord kPlayerColour = 49152;   // green 192
constexpr ColourWord kGoalColour = 16711680;  // blue 255
constexpr ColourWord kLargestColour = 16777215;
