#include "saver/start_plan.h"

#include "saver/number_text.h"

#include <cmath>

namespace Morvex_B {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text without its blanks, cut where it can no longer continue a number.
std::string numberPrefix(const std::string& text) {
    std::string packed;
    for (char c : text)
        if (!isBlank(c))
            packed += c;
    size_t i = 0;
    const size_t n = packed.size();
    if (i < n && (packed[i] == '+' || packed[i] == '-'))
        i++;
    size_t digits = 0;
    while (i < n && isDigit(packed[i]))
        i++, digits++;
    if (i < n && packed[i] == '.') {
        i++;
        while (i < n && isDigit(packed[i]))
            i++, digits++;
    }
    if (digits == 0)
        return std::string();
    size_t end = i;
    if (i < n && (packed[i] == 'e' || packed[i] == 'E')) {
        size_t j = i + 1;
        if (j < n && (packed[j] == '+' || packed[j] == '-'))
            j++;
        if (j < n && isDigit(packed[j])) {
            while (j < n && isDigit(packed[j]))
                j++;
            end = j;
        }
    }
    return packed.substr(0, end);
}

double roundHalfToEven(double value) {
    const double below = std::floor(value);
    const double rest = value - below;
    if (rest > 0.5)
        return below + 1;
    if (rest < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

} // namespace

char ModeLetter(const std::string& commandText) {
    if (commandText.size() < 2)
        return 0;
    const char c = commandText[1];
    return c >= 'a' && c <= 'z' ? (char)(c - 'a' + 'A') : c;
}

double LeadingNumber(const std::string& text) {
    double value = 0;
    const std::string prefix = numberPrefix(text);
    if (prefix.empty() || !ParseNumber(prefix, value))
        return 0;
    return value;
}

int32_t PreviewHandle(const std::string& commandText) {
    if (commandText.size() < 4)
        return 0;
    const double rounded = roundHalfToEven(LeadingNumber(commandText.substr(3)));
    // Handles hold 32 significant bits; some callers write them unsigned.
    if (!(rounded >= -2147483648.0 && rounded <= 4294967295.0))
        return 0;
    return (int32_t)(uint32_t)(int64_t)rounded;
}

StartPlan PlanStart(const std::string& commandText) {
    StartPlan plan;
    plan.modeLetter = ModeLetter(commandText);
    if (plan.modeLetter == 'P') {
        plan.mode = StartMode::Preview;
        plan.previewHandle = PreviewHandle(commandText);
        return plan;
    }
    plan.loadsSettings = true;
    plan.needsRenderer = true;
    if (plan.modeLetter == 'C')
        plan.mode = StartMode::Configure;
    else if (plan.modeLetter == 'S' || commandText.empty())
        plan.mode = StartMode::Run;
    plan.hidesCursor = plan.modeLetter == 'S';
    return plan;
}

} // namespace Morvex_B
