// A stand-in for the renderer, copied beside the saver as "Zandrel.dll": it reports what it was started
// with and behaves as the word in "probe_mode.txt" beside it says:
//   window (or no file)  a window titled "Zandrel_VC" that Escape or a close ends
//   slow                 the same window, but only after 1.5 s of start-up
//   exit                 ends at once without a window
// The report "probe_report.txt" beside it has one "name=value" line each for the working folder, the
// hand-over folder variable, and the sizes of the two bitmaps where it would read them (-1 when absent).
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string besideMe(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder = folder.substr(0, folder.find_last_of('\\') + 1);
    return folder + name;
}

std::string readWord(const std::string& path) {
    char word[32] = {};
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return std::string();
    if (std::fscanf(file, "%31s", word) != 1)
        word[0] = 0;
    std::fclose(file);
    return word;
}

long long fileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return -1;
    return ((long long)data.nFileSizeHigh << 32) | data.nFileSizeLow;
}

void writeReport() {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    char handover[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("ZANDREL_HANDOVER_DIR", handover, MAX_PATH);
    std::string from = length ? std::string(handover) + "\\" : std::string("C:\\");
    const std::string report = besideMe("probe_report.txt");
    const std::string partial = report + ".part";
    FILE* file = std::fopen(partial.c_str(), "wb");
    if (!file)
        return;
    std::fprintf(file, "cwd=%s\nhandover=%s\ndesktop=%lld\nlight=%lld\n", folder, length ? handover : "",
                 fileSize(from + "Zandrel1.bmp"), fileSize(from + "Zandrel2.bmp"));
    std::fclose(file);
    // Complete or not there at all for the driver that reads it.
    MoveFileExA(partial.c_str(), report.c_str(), MOVEFILE_REPLACE_EXISTING);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            PostMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    writeReport();
    const std::string mode = readWord(besideMe("probe_mode.txt"));
    if (mode == "exit")
        return 0;
    if (mode == "slow")
        Sleep(1500);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = (HBRUSH)GetStockObject(BLACK_BRUSH);
    windowClass.lpszClassName = "ZandrelProbe";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "ZandrelProbe", "Zandrel_VC", WS_POPUP, 0, 0, 200, 150, nullptr, nullptr,
                                  instance, nullptr);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
