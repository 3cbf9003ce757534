// The two ways the game writes a number into a text.
#pragma once

#include <string>
#include <string_view>

// Zero-padded on the left to at least two digits: 7 -> "07", 123 -> "123".
std::string twoDigitForm(int n);

// One space before a number of zero or more, a minus sign before a negative
// one: 1020 -> " 1020", -5 -> "-5".
std::string signSpaceForm(int n);
