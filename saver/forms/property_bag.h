#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace Forms {

// The stored properties of a user control, kept as text by name. Reading a property that was never
// written (or does not read as the asked type) gives the default.
class PropertyBag {
public:
    void writeString(const std::string& name, const std::string& value) { values[name] = value; }
    void writeInt(const std::string& name, int64_t value) { values[name] = std::to_string(value); }
    void writeBool(const std::string& name, bool value) { writeInt(name, value ? 1 : 0); }

    std::string readString(const std::string& name, const std::string& fallback) const;
    int64_t readInt(const std::string& name, int64_t fallback) const;
    bool readBool(const std::string& name, bool fallback) const;

    bool contains(const std::string& name) const { return values.count(name) != 0; }
    void remove(const std::string& name) { values.erase(name); }
    size_t size() const { return values.size(); }

private:
    std::map<std::string, std::string> values;
};

} // namespace Forms
