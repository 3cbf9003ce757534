// The game's colour word as Qt's colour, and the pen the main window's
// picture draws with.
#pragma once

#include "common/colour.h"

#include <QColor>
#include <QPen>

namespace platform {

QColor toQColor(ColourWord colour);

// `width` pixels wide, at least one.
QPen penOf(QRgb colour, int width, Qt::PenCapStyle cap, Qt::PenJoinStyle join);

}  // namespace platform
