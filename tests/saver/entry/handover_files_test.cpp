#include "saver/handover_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Morvex_B;

namespace {

std::string block(const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& entry : entries)
        text.append(entry).push_back('\0');
    text.push_back('\0');
    return text;
}

TEST(HandoverFiles, PathsJoinByOneBackslash) {
    EXPECT_EQ(HandoverFile(HandoverRoot, DesktopBitmapName), "C:\\Zandrel1.bmp");
    EXPECT_EQ(HandoverFile(HandoverRoot, LightBitmapName), "C:\\Zandrel2.bmp");
    EXPECT_EQ(HandoverFile("C:\\Users\\me\\Temp\\", "Zandrel1.bmp"), "C:\\Users\\me\\Temp\\Zandrel1.bmp");
    EXPECT_EQ(HandoverFile("C:\\Temp", "Zandrel2.bmp"), "C:\\Temp\\Zandrel2.bmp");
}

TEST(HandoverFiles, RendererSitsBesideTheSaver) {
    EXPECT_EQ(RendererPathIn("C:\\Windows\\System32"), "C:\\Windows\\System32\\Zandrel.dll");
    EXPECT_EQ(RendererPathIn("C:"), "C:\\Zandrel.dll");
}

TEST(HandoverFiles, FolderForUseKeepsADrivesRoot) {
    EXPECT_EQ(FolderForUse("C:\\Users\\me\\Temp\\"), "C:\\Users\\me\\Temp");
    EXPECT_EQ(FolderForUse("C:\\Temp"), "C:\\Temp");
    EXPECT_EQ(FolderForUse("C:"), "C:\\");
    EXPECT_EQ(FolderForUse("C:\\"), "C:\\");
    EXPECT_EQ(FolderForUse("\\\\server\\share\\"), "\\\\server\\share");
    EXPECT_EQ(FolderForUse(""), "");
}

TEST(HandoverFiles, EnvironmentBlockGetsTheVariableOnce) {
    const std::string name = HandoverVariable;
    const std::string plain = block({"=C:=C:\\here", "PATH=C:\\windows", "TEMP=C:\\t"});
    EXPECT_EQ(EnvironmentBlockWith(plain.c_str(), name, "C:\\t"),
              block({"=C:=C:\\here", "PATH=C:\\windows", "TEMP=C:\\t", "ZANDREL_HANDOVER_DIR=C:\\t"}));

    // An older value, in any case of the name, is replaced where it stood; a longer name is another one.
    const std::string older = block(
        {"A=1", "zandrel_handover_dir=C:\\old", "ZANDREL_HANDOVER_DIRS=x", "ZANDREL_HANDOVER_DIR=C:\\o2"});
    EXPECT_EQ(EnvironmentBlockWith(older.c_str(), name, "C:\\new"),
              block({"A=1", "ZANDREL_HANDOVER_DIR=C:\\new", "ZANDREL_HANDOVER_DIRS=x"}));

    EXPECT_EQ(EnvironmentBlockWith(nullptr, name, "D:\\x"), block({"ZANDREL_HANDOVER_DIR=D:\\x"}));
    // Where the root of C: works, an inherited value must not send the renderer elsewhere.
    EXPECT_EQ(EnvironmentBlockWithout(older.c_str(), name), block({"A=1", "ZANDREL_HANDOVER_DIRS=x"}));
    EXPECT_EQ(EnvironmentBlockWithout(plain.c_str(), name), plain);
    const std::string onlyIt = block({"ZANDREL_HANDOVER_DIR=C:\\old"});
    EXPECT_EQ(EnvironmentBlockWithout(onlyIt.c_str(), name), std::string(2, '\0'));
    EXPECT_EQ(EnvironmentBlockWith("\0", name, "D:\\x"), block({"ZANDREL_HANDOVER_DIR=D:\\x"}));
}

} // namespace
