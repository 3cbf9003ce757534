// The program-wide settings: the drawing style, the two colours, and the six
// colour components picked in the Options window. The game holds one for the
// whole run and hands it to the windows that read or change it.
#pragma once

#include "common/colour.h"

#include <cstdint>

struct Module1 {
    std::int16_t Style_Index = 0;
    ColourWord Fore_Color = 0;
    ColourWord Back_Color = 0;

    std::int16_t Fore_Red = 0;
    std::int16_t Fore_Green = 0;
    std::int16_t Fore_Blue = 0;
    std::int16_t Back_Red = 0;
    std::int16_t Back_Green = 0;
    std::int16_t Back_Blue = 0;
};
