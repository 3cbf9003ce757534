// The program-wide settings: the drawing style, the two colours, and the six
// colour components picked in the Options window. They live for the whole run.
#pragma once

#include "common/colour.h"

#include <cstdint>

namespace Module1 {

inline std::int16_t Style_Index = 0;
inline ColourWord Fore_Color = 0;
inline ColourWord Back_Color = 0;

inline std::int16_t Fore_Red = 0;
inline std::int16_t Fore_Green = 0;
inline std::int16_t Fore_Blue = 0;
inline std::int16_t Back_Red = 0;
inline std::int16_t Back_Green = 0;
inline std::int16_t Back_Blue = 0;

}  // namespace Module1
