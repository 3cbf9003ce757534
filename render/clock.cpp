#include "render/clock.h"

#include "common/text_forms.h"

#include <limits>

namespace {

constexpr std::int16_t kLastMinute = std::numeric_limits<std::int16_t>::max();

}  // namespace

ClockReading advanced(ClockReading r)
{
    if (r.minutes == kLastMinute && r.seconds == 59)
        return r;
    if (++r.seconds == 60) {
        r.seconds = 0;
        ++r.minutes;
    }
    return r;
}

std::string clockLine(ClockReading r)
{
    return "Time: " + twoDigitForm(r.minutes) + ":" + twoDigitForm(r.seconds)
        + "  N = New Game  Esc = End  I = Info";
}

std::string highScoreLine(std::int16_t highScore, const std::string& highName)
{
    return "Highscore:" + signSpaceForm(highScore) + " by " + highName;
}
