#include "win32_handover_fixture.h"

#include "renderer/framework/program_runner.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

void put32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    for (int i = 0; i < 4; i++)
        out[at + i] = (uint8_t)(value >> (8 * i));
}

} // namespace

bool shadersHidden() {
    char value[512] = {};
    return GetEnvironmentVariableA("MESA_EXTENSION_OVERRIDE", value, sizeof value) > 0 && value[0] != '\0';
}

const char* lightingPathName() {
    return shadersHidden() ? "fixed-function" : "shader";
}

std::string currentFolder() {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    return folder;
}

std::string makeFolder(const std::string& name) {
    std::string folder = currentFolder() + "\\fabric-" + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

bool writeClothPicture(const std::string& path) {
    const int w = 1024, h = 768;
    const uint8_t hues[6][3] = {{255, 0, 0},   {255, 255, 0}, {0, 255, 0},
                                {0, 255, 255}, {0, 0, 255},   {255, 0, 255}};
    size_t rowSize = (size_t)w * 3;
    std::vector<uint8_t> file(54 + rowSize * h);
    file[0] = 'B';
    file[1] = 'M';
    put32(file, 2, (uint32_t)file.size());
    put32(file, 10, 54);
    put32(file, 14, 40);
    put32(file, 18, (uint32_t)w);
    put32(file, 22, (uint32_t)h);
    file[26] = 1;
    file[28] = 24;
    for (int y = 0; y < h; y++) {
        uint8_t* row = &file[54 + rowSize * (size_t)(h - 1 - y)];
        for (int x = 0; x < w; x++) {
            const uint8_t* hue = hues[x * 6 / w];
            int level = ((x / 64) + (y / 64)) % 2 == 0 ? 255 : 150;
            row[3 * x] = (uint8_t)(hue[2] * level / 255);
            row[3 * x + 1] = (uint8_t)(hue[1] * level / 255);
            row[3 * x + 2] = (uint8_t)(hue[0] * level / 255);
        }
    }
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr)
        return false;
    bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written;
}

std::string handoverFolder(const std::string& name, bool cloth, bool sprite) {
    std::string folder = makeFolder(name);
    std::string clothPath = folder + "\\Zandrel1.bmp";
    std::string spritePath = folder + "\\Zandrel2.bmp";
    DeleteFileA(clothPath.c_str());
    DeleteFileA(spritePath.c_str());
    if (cloth) {
        EXPECT_TRUE(writeClothPicture(clothPath));
    }
    if (sprite) {
        EXPECT_TRUE(CopyFileA(windowsPath(LIGHT_SPOT_PICTURE).c_str(), spritePath.c_str(), FALSE));
    }
    return folder;
}
