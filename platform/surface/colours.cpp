#include "platform/surface/colours.h"

#include <algorithm>

namespace platform {

QColor toQColor(ColourWord colour)
{
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

QPen penOf(QRgb colour, int width, Qt::PenCapStyle cap, Qt::PenJoinStyle join)
{
    QPen pen {QColor::fromRgb(colour)};
    pen.setWidth(std::max(width, 1));
    pen.setCapStyle(cap);
    pen.setJoinStyle(join);
    return pen;
}

}  // namespace platform
