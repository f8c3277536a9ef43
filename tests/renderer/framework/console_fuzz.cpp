// Console command lines of any content: no crash, no overrun, bounded replies. Demo commands are left out
// (they would create files named by the input); the demo reader has its own target.
#include "test_app.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    text.resize(std::strlen(text.c_str())); // the command line is a C string
    std::string lower = text;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = (char)(c - 'A' + 'a');
    if (lower.find("demo") != std::string::npos)
        return 0;
    TestApp app;
    String reply;
    for (const char* line : {text.c_str(), "pos", "angles"}) {
        app.commandLine.assign(line);
        app.processCommand(reply);
    }
    if (reply.getLength() > 4096)
        std::abort();
    return 0;
}
