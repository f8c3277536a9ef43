#include "win32_saver_driver.h"

#include <tlhelp32.h>

#include <cstdio>
#include <cstring>

namespace Driver {

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), (int)text.size(), &wide[0], (int)wide.size());
    wide.resize(length > 0 ? length : 0);
    return wide;
}

std::wstring WindowsPath(const char* unixPath) {
    std::wstring path = L"Z:" + Wide(unixPath);
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

std::wstring FreshFolder(const wchar_t* name) {
    wchar_t here[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, here);
    const std::wstring base = std::wstring(here) + L"\\scratch";
    CreateDirectoryW(base.c_str(), nullptr);
    const std::wstring folder = base + L"\\" + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW((folder + L"\\" + found.cFileName).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    return folder;
}

bool CopyInto(const std::wstring& folder, const std::wstring& file, const wchar_t* asName) {
    std::wstring name = asName ? std::wstring(asName) : file.substr(file.find_last_of(L'\\') + 1);
    return CopyFileW(file.c_str(), (folder + L"\\" + name).c_str(), FALSE) != FALSE;
}

bool WriteText(const std::wstring& path, const std::string& text) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

std::string ReadText(const std::wstring& path) {
    std::string text;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return text;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    std::fclose(file);
    return text;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring TraceLog() {
    char path[1024] = {};
    const DWORD length = GetEnvironmentVariableA("ZANDREL_TRACE_LOG", path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return std::wstring();
    return path[0] == '/' ? WindowsPath(path) : Wide(path);
}

std::string Process::trace() const {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%04lx:", (unsigned long)id);
    const std::string all = ReadText(TraceLog());
    std::string mine;
    for (size_t at = 0; at < all.size();) {
        size_t end = all.find('\n', at);
        if (end == std::string::npos)
            end = all.size();
        if (all.compare(at, std::strlen(prefix), prefix) == 0)
            mine.append(all, at, end - at + 1);
        at = end + 1;
    }
    return mine;
}

Process::~Process() {
    if (handle) {
        // A test that failed half way leaves nothing running.
        if (WaitForSingleObject(handle, 0) == WAIT_TIMEOUT)
            TerminateProcess(handle, 1);
        CloseHandle(handle);
    }
}

bool Process::endsWithin(DWORD milliseconds) const {
    const DWORD start = GetTickCount();
    for (;;) {
        if (WaitForSingleObject(handle, 0) == WAIT_OBJECT_0)
            return true;
        if (GetTickCount() - start >= milliseconds)
            return false;
        MsgWaitForMultipleObjects(1, &handle, FALSE, 10, QS_ALLINPUT);
        Pump(0);
    }
}

DWORD Process::exitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(handle, &code);
    return code;
}

bool StartSaver(Process& saver, const std::wstring& folder, const std::wstring& arguments,
                const std::vector<std::wstring>& extraEnvironment) {
    const std::vector<std::wstring>& variables = extraEnvironment;
    std::wstring environment;
    wchar_t* current = GetEnvironmentStringsW();
    for (const wchar_t* p = current; p && *p; p += wcslen(p) + 1) {
        bool replaced = false;
        for (const std::wstring& v : variables)
            if (_wcsnicmp(p, v.c_str(), v.find(L'=') + 1) == 0)
                replaced = true;
        if (!replaced)
            environment.append(p).push_back(L'\0');
    }
    FreeEnvironmentStringsW(current);
    for (const std::wstring& v : variables)
        environment.append(v).push_back(L'\0');
    environment.push_back(L'\0');

    const std::wstring program = folder + L"\\Zandrel.scr";
    std::wstring commandLine = L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                        &environment[0], folder.c_str(), &startup, &process))
        return false;
    CloseHandle(process.hThread);
    saver.handle = process.hProcess;
    saver.id = process.dwProcessId;
    return true;
}

void Pump(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (milliseconds)
            Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}

HWND WaitForWindow(const wchar_t* title, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND found = FindWindowW(nullptr, title))
            return found;
        if (GetTickCount() - start >= milliseconds)
            return nullptr;
        Pump(10);
    }
}

HWND WaitForChild(HWND parent, const wchar_t* title, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND found = FindWindowExW(parent, nullptr, nullptr, title))
            return found;
        if (GetTickCount() - start >= milliseconds)
            return nullptr;
        Pump(10);
    }
}

namespace {
struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    HWND found;
};
BOOL CALLBACK matchWindow(HWND window, LPARAM parameter) {
    WindowSearch& search = *(WindowSearch*)parameter;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (owner == search.processId && IsWindowVisible(window) && wcscmp(name, search.className) == 0) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND WindowOfProcess(DWORD processId, const wchar_t* className) {
    WindowSearch search = {processId, className, nullptr};
    EnumWindows(matchWindow, (LPARAM)&search);
    return search.found;
}

bool WaitUntilGone(const wchar_t* title, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (FindWindowW(nullptr, title)) {
        if (GetTickCount() - start >= milliseconds)
            return false;
        Pump(0);
        Sleep(2);
    }
    return true;
}

int ProcessesNamed(const wchar_t* exeName) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (exeName == nullptr || _wcsicmp(entry.szExeFile, exeName) == 0)
            count++;
    CloseHandle(snapshot);
    return count;
}

int Occurrences(const std::string& text, const std::string& what) {
    int count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        count++;
    return count;
}

namespace {
uint32_t le32(const std::string& d, size_t at) {
    return (uint8_t)d[at] | (uint8_t)d[at + 1] << 8 | (uint8_t)d[at + 2] << 16 |
           (uint32_t)(uint8_t)d[at + 3] << 24;
}
} // namespace

bool ReadBitmap(const std::wstring& path, Bitmap& bitmap) {
    const std::string d = ReadText(path);
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M')
        return false;
    const uint32_t offset = le32(d, 10);
    bitmap.width = (int)le32(d, 18);
    const int rawHeight = (int)le32(d, 22);
    bitmap.height = rawHeight < 0 ? -rawHeight : rawHeight;
    bitmap.bits = (uint8_t)d[28] | (uint8_t)d[29] << 8;
    bitmap.compression = (int)le32(d, 30);
    if (bitmap.bits != 24 || bitmap.width <= 0 || bitmap.width > 16384 || bitmap.height > 16384)
        return bitmap.width > 0;
    const size_t stride = ((size_t)bitmap.width * 3 + 3) & ~(size_t)3;
    if (offset + stride * bitmap.height > d.size())
        return false;
    bitmap.pixels.resize((size_t)bitmap.width * bitmap.height);
    for (int y = 0; y < bitmap.height; y++) {
        const size_t row = offset + stride * (size_t)(rawHeight < 0 ? y : bitmap.height - 1 - y);
        for (int x = 0; x < bitmap.width; x++) {
            const uint8_t* p = (const uint8_t*)&d[row + (size_t)x * 3];
            bitmap.pixels[(size_t)y * bitmap.width + x] = p[2] << 16 | p[1] << 8 | p[0];
        }
    }
    return true;
}

std::vector<uint32_t> CaptureScreen(const RECT& rect) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    std::vector<uint32_t> pixels((size_t)width * height);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP image = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, image);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const uint32_t* source = (const uint32_t*)bits;
    for (size_t i = 0; i < pixels.size(); i++)
        pixels[i] = source[i] & 0xFFFFFF;
    SelectObject(memory, old);
    DeleteObject(image);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

bool SaveBmp(const std::wstring& path, int width, int height, const std::vector<uint32_t>& pixels) {
    const size_t stride = ((size_t)width * 3 + 3) & ~(size_t)3;
    std::string out(54 + stride * height, '\0');
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; i++)
            out[at + i] = (char)(v >> (8 * i));
    };
    out[0] = 'B', out[1] = 'M';
    put32(2, (uint32_t)out.size());
    put32(10, 54);
    put32(14, 40);
    put32(18, (uint32_t)width);
    put32(22, (uint32_t)height);
    out[26] = 1, out[28] = 24;
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            const uint32_t p = pixels[(size_t)(height - 1 - y) * width + x];
            char* to = &out[54 + stride * y + x * 3];
            to[0] = (char)p, to[1] = (char)(p >> 8), to[2] = (char)(p >> 16);
        }
    return WriteText(path, out);
}

void PressKey(WORD virtualKey) {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

} // namespace Driver
