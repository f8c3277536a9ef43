#pragma once

#include <cstdint>
#include <string>

namespace Morvex_B {

// Reads text as a decimal number: blanks around it, an optional sign, digits with an optional fraction
// and exponent. Anything else (letters, hexadecimal, an empty text) is no number.
bool ParseNumber(const std::string& text, double& value);

// The settings' reading of a number: its integer part rounded down, which must fit 16 bits.
// "1.7" gives 1; "abc" and "99999" are no 16-bit number and give false.
bool ParseIniNumber(const std::string& text, int16_t& value);

// The settings' writing of a number: a leading blank for values of 0 and above (" 2", "-1").
std::string FormatIniNumber(int value);

} // namespace Morvex_B
