#include "platform/window/key_codes.h"

#include <Qt>

namespace platform {

std::int16_t virtualKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Escape: return kKeyEscape;
    case Qt::Key_Left: return kKeyLeft;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Right: return kKeyRight;
    case Qt::Key_Down: return kKeyDown;
    case Qt::Key_I: return kKeyI;
    case Qt::Key_N: return kKeyN;
    default: return 0;
    }
}

}  // namespace platform
