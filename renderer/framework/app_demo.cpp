#include "framework/app.h"

#include "framework/frame_clock.h"

#include <cstring>

namespace {

// The last record written, kept from one recording to the next.
DemoRecord recorderMemory = {0, 0, 0, 0, 0, 0};

} // namespace

bool App::openRecording(const char* path) {
    // Recording and playback share the one file slot: a playback in progress ends here.
    if (playing)
        stopPlayback();
    demoFile = std::fopen(path, "wb");
    return demoFile != nullptr;
}

void App::closeRecording() {
    if (demoFile)
        std::fclose(demoFile);
    demoFile = nullptr;
    recording = false;
}

void App::stopPlayback() {
    if (demoFile)
        std::fclose(demoFile);
    demoFile = nullptr;
    playing = false;
}

bool App::loadDemo(const char* path) {
    delete[] demoRecords;
    demoRecords = nullptr;
    demoRecordCount = 0;
    // The slot may still hold the log of an earlier playback.
    if (demoFile) {
        std::fclose(demoFile);
        demoFile = nullptr;
    }
    demoFile = std::fopen(path, "rb");
    if (!demoFile)
        return false;
    long size = -1;
    if (std::fseek(demoFile, 0, SEEK_END) == 0)
        size = std::ftell(demoFile);
    std::fseek(demoFile, 0, SEEK_SET);
    uint32_t count = size > 0 ? (uint32_t)(size / (long)sizeof(DemoRecord)) : 0;
    if (count > 0) {
        demoRecords = new DemoRecord[count];
        // A file that shrank while being read keeps only the records that arrived whole.
        count = (uint32_t)std::fread(demoRecords, sizeof(DemoRecord), count, demoFile);
    }
    demoRecordCount = count;
    std::fclose(demoFile);
    demoFile = nullptr;
    return true;
}

void App::playRecord() {
    String text;
    if (playIndex == 0)
        appendFormat(text, "[Beginning of demo]\r\n");
    appendFormat(text, "%f\r\n", (double)frameTime);
    if (demoFile)
        std::fwrite(text.getText(), 1, text.getLength(), demoFile);
    // A demo without records (a file shorter than one record) has nothing to apply.
    if (demoRecordCount == 0)
        return;
    if (playIndex >= demoRecordCount)
        playIndex = 0;
    const DemoRecord& record = demoRecords[playIndex];
    position = vec3(record.x, record.y, record.z);
    wx = record.wx;
    wy = record.wy;
    wz = record.wz;
    if (++playIndex == demoRecordCount)
        playIndex = 0;
}

void App::writeRecord() {
    DemoRecord now = {position.x, position.y, position.z, wx, wy, wz};
    if (now.x == recorderMemory.x && now.y == recorderMemory.y && now.z == recorderMemory.z &&
        now.wx == recorderMemory.wx && now.wy == recorderMemory.wy && now.wz == recorderMemory.wz)
        return;
    recorderMemory = now;
    if (demoFile)
        std::fwrite(&recorderMemory, sizeof recorderMemory, 1, demoFile);
}
