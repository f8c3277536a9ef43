#include "support/test_data.h"

#include <sys/stat.h>
#include <sys/types.h>
#ifdef _WIN32
#include <direct.h>
#endif

std::string testDataPath(const char* relative) {
    return std::string(ZANDREL_TESTDATA_PATH) + "/" + relative;
}

bool testDataExists(const char* relative) {
    struct stat info;
    return stat(testDataPath(relative).c_str(), &info) == 0;
}

std::string scratchPath(const char* name) {
    static bool made = false;
    if (!made) {
#ifdef _WIN32
        _mkdir("scratch");
#else
        mkdir("scratch", 0755);
#endif
        made = true;
    }
    return std::string("scratch/") + name;
}
