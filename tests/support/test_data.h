#pragma once

#include <string>

// The shared test data folder (for example the bmpsuite) beside the repository. It is optional: a plain
// clone has none, and tests that need it skip.
std::string testDataPath(const char* relative);
bool testDataExists(const char* relative);

// A scratch folder for the running test executable, created on first use below the working directory.
std::string scratchPath(const char* name);

#define SKIP_WITHOUT_TEST_DATA(relative)                                                                     \
    do {                                                                                                     \
        if (!testDataExists(relative))                                                                       \
            GTEST_SKIP() << "no shared test data at " << testDataPath(relative);                             \
    } while (0)
