#include "play/score.h"

#include "common/text_forms.h"

#include <algorithm>
#include <cmath>

std::int16_t gameScore(int width, int height, int minutes, int seconds)
{
    const double cells = 7.0 * width * height;
    const double time = std::max(60.0 * minutes + seconds, 1.0);
    const double score = std::floor(cells / time) * 10.0;
    return static_cast<std::int16_t>(std::clamp(score, 0.0, 32767.0));
}

std::string scoreDigits(std::int16_t score)
{
    std::string text = signSpaceForm(score);
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}
