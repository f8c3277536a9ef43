#include "saver/win32_renderer_launch.h"

#include "saver/forms/win32_program.h"
#include "saver/handover_files.h"

namespace Morvex_B {

namespace {

std::string environmentFor(const std::string& handoverFolder) {
    char* current = GetEnvironmentStringsA();
    const std::string block = handoverFolder.empty()
                                  ? EnvironmentBlockWithout(current, HandoverVariable)
                                  : EnvironmentBlockWith(current, HandoverVariable, handoverFolder);
    if (current)
        FreeEnvironmentStringsA(current);
    return block;
}

void waitUntilReady(HANDLE process, DWORD readyWithinMs) {
    const DWORD start = GetTickCount();
    WaitForInputIdle(process, readyWithinMs);
    // Ready for input can come before the window (or never, for a program without one).
    while (GetTickCount() - start < readyWithinMs) {
        if (FindWindowA(nullptr, RendererWindowTitle) || WaitForSingleObject(process, 0) == WAIT_OBJECT_0)
            return;
        Sleep(10);
    }
}

} // namespace

bool StartRenderer(const std::string& path, const std::string& folder, const std::string& handoverFolder,
                   DWORD readyWithinMs) {
    std::string environment = environmentFor(handoverFolder);
    const std::string workingFolder = FolderForUse(folder);
    HANDLE process =
        Forms::LaunchProgram(path, &environment[0], workingFolder.empty() ? nullptr : workingFolder.c_str());
    if (process == nullptr)
        return false;
    if (readyWithinMs > 0)
        waitUntilReady(process, readyWithinMs);
    CloseHandle(process);
    return true;
}

std::string TemporaryFolder() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof path, path);
    if (length == 0 || length >= sizeof path)
        return std::string();
    return FolderForUse(std::string(path, length));
}

} // namespace Morvex_B
