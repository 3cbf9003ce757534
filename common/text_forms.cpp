#include "common/text_forms.h"

std::string twoDigitForm(int n)
{
    std::string digits = std::to_string(n < 0 ? -static_cast<long long>(n) : n);
    if (digits.size() < 2)
        digits.insert(0, 2 - digits.size(), '0');
    return n < 0 ? "-" + digits : digits;
}

std::string signSpaceForm(int n)
{
    return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

