#include "saver/forms/property_bag.h"

#include <cerrno>
#include <cstdlib>

namespace Forms {

std::string PropertyBag::readString(const std::string& name, const std::string& fallback) const {
    const auto found = values.find(name);
    return found == values.end() ? fallback : found->second;
}

int64_t PropertyBag::readInt(const std::string& name, int64_t fallback) const {
    const auto found = values.find(name);
    if (found == values.end() || found->second.empty())
        return fallback;
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(found->second.c_str(), &end, 10);
    if (errno != 0 || *end != '\0')
        return fallback;
    return value;
}

bool PropertyBag::readBool(const std::string& name, bool fallback) const {
    return readInt(name, fallback ? 1 : 0) != 0;
}

} // namespace Forms
