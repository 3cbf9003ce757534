// The virtual key codes the game reacts to, taken from Qt's keys. Letter case
// and the modifier keys make no difference.
#pragma once

#include <cstdint>

namespace platform {

enum KeyCode : std::int16_t {
    kKeyEscape = 27,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
    kKeyI = 73,
    kKeyN = 78,
};

// The game's code for a Qt key, or 0 for a key the game does not handle.
std::int16_t virtualKeyCode(int qtKey);

}  // namespace platform
