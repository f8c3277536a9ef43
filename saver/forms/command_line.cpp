#include "saver/forms/command_line.h"

namespace Forms {

std::string ArgumentsOf(const char* commandLine) {
    if (!commandLine)
        return std::string();
    const char* p = commandLine;
    if (*p == '"') {
        p++;
        while (*p && *p != '"')
            p++;
        if (*p == '"')
            p++;
    } else {
        while (*p && *p != ' ' && *p != '\t')
            p++;
    }
    while (*p == ' ' || *p == '\t')
        p++;
    return p;
}

} // namespace Forms
