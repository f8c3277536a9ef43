#include "saver/file_paths.h"

#include "support/test_data.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace Morvex_B;

namespace {

// Paths the saver sees use backslashes; the native build's C library wants slashes.
std::string nativePath(std::string path) {
#ifndef _WIN32
    for (char& c : path)
        if (c == '\\')
            c = '/';
#endif
    return path;
}

bool writeFile(const std::string& path, const char* text) {
    FILE* file = std::fopen(nativePath(path).c_str(), "wb");
    if (!file)
        return false;
    std::fputs(text, file);
    return std::fclose(file) == 0;
}

} // namespace

TEST(FolderOf, KeepsTheTextBeforeTheLastColonOrBackslash) {
    EXPECT_EQ(FolderOf("C:\\Music\\a.mp3"), "C:\\Music");
    EXPECT_EQ(FolderOf("C:\\a.mp3"), "C:");
    EXPECT_EQ(FolderOf("a.mp3"), "");
    EXPECT_EQ(FolderOf(""), "");
    EXPECT_EQ(FolderOf("C:a.mp3"), "C:");
    EXPECT_EQ(FolderOf("C:\\Music\\"), "C:\\Music");
    EXPECT_EQ(FolderOf("\\\\server\\share\\a.wav"), "\\\\server\\share");
}

TEST(FileExists, IsTrueOnlyForAReadableFile) {
    const std::string file = scratchPath("song.wav");
    const std::string empty = scratchPath("empty.wav");
    const std::string folder = "scratch";
    ASSERT_TRUE(writeFile(file, "RIFF"));
    ASSERT_TRUE(writeFile(empty, ""));
    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(empty));
    EXPECT_FALSE(FileExists(scratchPath("missing.wav")));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists("\\"));
#ifdef _WIN32
    EXPECT_FALSE(FileExists(folder));
    EXPECT_FALSE(FileExists(folder + "\\"));
    // A trailing backslash is dropped before the file is opened.
    EXPECT_TRUE(FileExists(file + "\\"));
#else
    EXPECT_FALSE(FileExists(folder));
    EXPECT_FALSE(FileExists(folder + "/"));
#endif
}
