#include "render/clock.h"

#include "common/text_forms.h"
#include "common/texts.h"
#include "persist/data_files.h"

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
    //: The line under the maze. %1 is the time, such as 03:07. N, Esc and I
    //: are the keys themselves and stay so.
    return withArguments(translated("Clock", QT_TRANSLATE_NOOP("Clock", "Time: %1  N = New Game  Esc = End  I = Info")),
                         {twoDigitForm(r.minutes) + ":" + twoDigitForm(r.seconds)});
}

std::string highScoreLine(std::int16_t highScore, const std::string& highName)
{
    //: The line above the maze. %1 is the score with the space before it
    //: (or a minus sign), %2 the holder's name.
    return withArguments(translated("Clock", QT_TRANSLATE_NOOP("Clock", "Highscore:%1 by %2")),
                         {signSpaceForm(highScore), shownName(highName)});
}
