// Side windows are laid out in twips, 15 to the pixel.
#pragma once

#include <QRect>

namespace platform {

inline constexpr int kTwipsPerPixel = 15;

struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    QRect pixels() const
    {
        return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                     height / kTwipsPerPixel);
    }
};

}  // namespace platform
