#pragma once

// Drives Zandrel.scr as Windows would: real processes started with CreateProcess, real windows, files.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace Driver {

// A Unix path as this process under Wine sees it (drive Z: is the Unix root).
std::wstring WindowsPath(const char* unixPath);
std::wstring Wide(const std::string& text);

// A fresh folder below the working folder, emptied of what an earlier run left.
std::wstring FreshFolder(const wchar_t* name);
bool CopyInto(const std::wstring& folder, const std::wstring& file, const wchar_t* asName = nullptr);
bool WriteText(const std::wstring& path, const std::string& text);
std::string ReadText(const std::wstring& path);
bool Exists(const std::wstring& path);

// The file that the platform's traces of this process and its children go to (ZANDREL_TRACE_LOG, set by
// run_traced.sh); empty when none is set.
std::wstring TraceLog();

// A started saver.
struct Process {
    HANDLE handle = nullptr;
    DWORD id = 0;
    ~Process();
    // Waits while running the driver's own messages (its windows are the saver's pane and parents).
    bool endsWithin(DWORD milliseconds) const;
    DWORD exitCode() const;
    // The trace lines of this process (the platform writes "pid:tid:" before each).
    std::string trace() const;
};

// Starts folder\Zandrel.scr with arguments; extraEnvironment ("NAME=value") goes into its environment.
bool StartSaver(Process& saver, const std::wstring& folder, const std::wstring& arguments,
                const std::vector<std::wstring>& extraEnvironment = {});

// Runs the waiting messages of this thread for about milliseconds.
void Pump(DWORD milliseconds);
// Polls (pumping) until FindWindow finds title or the time is up.
HWND WaitForWindow(const wchar_t* title, DWORD milliseconds);
HWND WaitForChild(HWND parent, const wchar_t* title, DWORD milliseconds);
// A visible top-level window of the process with that class, or null.
HWND WindowOfProcess(DWORD processId, const wchar_t* className);
// Polls until no top-level window has title; gives the time it went, or 0 when it stayed.
bool WaitUntilGone(const wchar_t* title, DWORD milliseconds);

// Processes whose file is exeName (any case); every process on the platform when exeName is null.
int ProcessesNamed(const wchar_t* exeName);
int Occurrences(const std::string& text, const std::string& what);

// A bitmap file's header facts and its pixels as 0xRRGGBB, top row first.
struct Bitmap {
    int width = 0, height = 0, bits = 0, compression = -1;
    std::vector<uint32_t> pixels;
};
bool ReadBitmap(const std::wstring& path, Bitmap& bitmap);
// The screen's pixels in rect (screen coordinates) as 0xRRGGBB, top row first.
std::vector<uint32_t> CaptureScreen(const RECT& rect);
bool SaveBmp(const std::wstring& path, int width, int height, const std::vector<uint32_t>& pixels);

// Key presses as the keyboard gives them, to the foreground window.
void PressKey(WORD virtualKey);

} // namespace Driver
