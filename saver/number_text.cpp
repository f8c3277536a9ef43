#include "saver/number_text.h"

#include <cmath>
#include <cstdlib>

namespace Morvex_B {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool ParseNumber(const std::string& text, double& value) {
    size_t i = 0, n = text.size();
    while (i < n && isBlank(text[i]))
        i++;
    const size_t start = i;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        i++;
    size_t digits = 0;
    while (i < n && isDigit(text[i]))
        i++, digits++;
    if (i < n && text[i] == '.') {
        i++;
        while (i < n && isDigit(text[i]))
            i++, digits++;
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-'))
            j++;
        if (j >= n || !isDigit(text[j]))
            return false;
        while (j < n && isDigit(text[j]))
            j++;
        i = j;
    }
    const size_t end = i;
    while (i < n && isBlank(text[i]))
        i++;
    if (i != n)
        return false;
    // The validated part holds nothing strtod reads differently (no hexadecimal, no inf or nan).
    const std::string number = text.substr(start, end - start);
    value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value);
}

bool ParseIniNumber(const std::string& text, int16_t& value) {
    double number;
    if (!ParseNumber(text, number))
        return false;
    const double whole = std::floor(number);
    if (whole < -32768.0 || whole > 32767.0)
        return false;
    value = (int16_t)whole;
    return true;
}

std::string FormatIniNumber(int value) {
    std::string digits = std::to_string(value);
    return value >= 0 ? " " + digits : digits;
}

} // namespace Morvex_B
