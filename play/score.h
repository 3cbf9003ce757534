// The score of a finished game: it grows with the maze's cells and shrinks
// with the seconds on the clock, in steps of 10 points.
#pragma once

#include <cstdint>
#include <string>

// floor(7 x W x H / (60 x minutes + seconds)) x 10, worked out in wide
// arithmetic so that no maze size or time overflows. A finish before the
// clock's first second counts as one second, and the result is held to
// 0..32767 so that it always fits the high score and its file.
std::int16_t gameScore(int width, int height, int minutes, int seconds);

// The digits of a score as High.dat stores them (before scrambling): no
// sign, no spaces.
std::string scoreDigits(std::int16_t score);
