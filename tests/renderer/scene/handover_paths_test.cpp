#include "scene/handover_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

void setFolderVariable(const char* value) {
#ifdef _WIN32
    _putenv_s(handoverFolderVariable, value == nullptr ? "" : value);
#else
    if (value == nullptr)
        unsetenv(handoverFolderVariable);
    else
        setenv(handoverFolderVariable, value, 1);
#endif
}

} // namespace

TEST(HandoverPaths, JoinTheFolderAndTheFileName) {
    const struct {
        const char* folder;
        const char* expected;
    } cases[] = {
        {nullptr, "C:\\Zandrel1.bmp"},
        {"", "C:\\Zandrel1.bmp"},
        {"D:\\handover", "D:\\handover\\Zandrel1.bmp"},
        {"D:\\handover\\", "D:\\handover\\Zandrel1.bmp"},
        {"Z:/tmp/run/", "Z:/tmp/run/Zandrel1.bmp"},
        {"x", "x\\Zandrel1.bmp"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(handoverPath(c.folder, handoverClothFile).getText(), c.expected)
            << (c.folder ? c.folder : "(null)");
}

TEST(HandoverPaths, TheEnvironmentMovesTheFolderAwayFromDriveC) {
    setFolderVariable(nullptr);
    EXPECT_STREQ(handoverPathFromEnvironment(handoverSpriteFile).getText(), "C:\\Zandrel2.bmp");
    setFolderVariable("");
    EXPECT_STREQ(handoverPathFromEnvironment(handoverSpriteFile).getText(), "C:\\Zandrel2.bmp");
    std::string longFolder(600, 'a');
    setFolderVariable(longFolder.c_str());
    EXPECT_EQ(std::string(handoverPathFromEnvironment(handoverSpriteFile).getText()),
              longFolder + "\\Zandrel2.bmp");
    setFolderVariable(nullptr);
}
