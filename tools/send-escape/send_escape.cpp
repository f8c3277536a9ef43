// Ends a running renderer as its user would: posts Escape to the "Zandrel_VC" window. Exit code 0 when the
// window was found, 1 when there was none.
//   send_escape.exe
#include <windows.h>

int main() {
    HWND hwnd = FindWindowA(nullptr, "Zandrel_VC");
    if (hwnd == nullptr)
        return 1;
    PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    return 0;
}
