// The game clock's arithmetic and the two text lines of the main window.
#pragma once

#include <cstdint>
#include <string>

struct ClockReading {
    std::int16_t minutes = 0;
    std::int16_t seconds = 0;

    bool operator==(const ClockReading&) const = default;
};

// The reading one second later. The clock stops at its last reading,
// 32767:59, rather than overflow.
ClockReading advanced(ClockReading r);

// "Time: 03:07  N = New Game  Esc = End  I = Info"
std::string clockLine(ClockReading r);

// "Highscore: 1234 by Anna", the default holder "<No One>" in the player's
// language.
std::string highScoreLine(std::int16_t highScore, const std::string& highName);
