#include "saver/forms/win32_program.h"

#include "saver/forms/command_line.h"
#include "saver/forms/twips.h"

namespace Forms {

namespace {

int twipsPerPixel(int index) {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = screen ? GetDeviceCaps(screen, index) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    return TwipsPerPixelFor(dotsPerInch);
}

} // namespace

HINSTANCE ProgramInstance() {
    return GetModuleHandleA(nullptr);
}

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    std::string folder(path, length);
    const size_t slash = folder.find_last_of('\\');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

std::string CommandText() {
    return ArgumentsOf(GetCommandLineA());
}

int ScreenWidthPixels() {
    return GetSystemMetrics(SM_CXSCREEN);
}
int ScreenHeightPixels() {
    return GetSystemMetrics(SM_CYSCREEN);
}
int TwipsPerPixelX() {
    return twipsPerPixel(LOGPIXELSX);
}
int TwipsPerPixelY() {
    return twipsPerPixel(LOGPIXELSY);
}
int ScreenWidthTwips() {
    return ScreenWidthPixels() * TwipsPerPixelX();
}
int ScreenHeightTwips() {
    return ScreenHeightPixels() * TwipsPerPixelY();
}

int ShowMessage(const std::string& text, const std::string& title, UINT flags) {
    return MessageBoxA(nullptr, text.c_str(), title.c_str(), flags);
}

void EndProgram(UINT exitCode) {
    ExitProcess(exitCode);
}

HANDLE LaunchProgram(const std::string& path, char* environment, const char* folder) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    // Started by its path and with no arguments, whatever its file name says it is.
    std::string commandLine = "\"" + path + "\"";
    if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, environment, folder,
                        &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

bool StartProgram(const std::string& path, DWORD waitForIdleMs) {
    HANDLE process = LaunchProgram(path, nullptr, nullptr);
    if (process == nullptr)
        return false;
    if (waitForIdleMs > 0)
        WaitForInputIdle(process, waitForIdleMs);
    CloseHandle(process);
    return true;
}

void DoEvents() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage((int)message.wParam);
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void SetDefaultMousePointer() {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

} // namespace Forms
