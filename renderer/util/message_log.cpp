#include "util/message_log.h"

#include <cstring>

Array<char*> messageLog;

namespace {
bool isBreak(char c) {
    return c == '\r' || c == '\n';
}
} // namespace

void logMessage(const char* text) {
    const char* p = text;
    while (*p != 0) {
        const char* start = p;
        while (*p != 0 && !isBreak(*p))
            p++;
        size_t n = (size_t)(p - start);
        char* line = new char[n + 1];
        std::memcpy(line, start, n);
        line[n] = 0;
        messageLog.add(line);
        while (isBreak(*p))
            p++;
    }
}

void freeMessageLog() {
    for (uint32_t i = 0; i < messageLog.getCount(); i++)
        delete[] messageLog[i];
    messageLog.clear();
}
