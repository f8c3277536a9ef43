#include "saver/forms/win32_form.h"

#include "saver/forms/twips.h"
#include "saver/forms/win32_program.h"

#include <algorithm>
#include <vector>

namespace Forms {

namespace {

std::vector<Form*> loadedForms;

// Owned windows stay out of the task bar; this hidden window owns the forms that ask for that.
HWND hiddenOwner() {
    static HWND owner = nullptr;
    if (!owner) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = ProgramInstance();
        windowClass.lpszClassName = "ZandrelFormsOwner";
        RegisterClassA(&windowClass);
        owner = CreateWindowExA(0, "ZandrelFormsOwner", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                ProgramInstance(), nullptr);
    }
    return owner;
}

} // namespace

Form::Form() = default;

Form::~Form() {
    loadedForms.erase(std::remove(loadedForms.begin(), loadedForms.end(), this), loadedForms.end());
}

void Form::load() {
    if (isLoaded || loading)
        return;
    DWORD style = WS_CLIPCHILDREN;
    switch (borderStyle) {
    case BorderStyle::None:
        style |= WS_POPUP;
        break;
    case BorderStyle::FixedSingle:
        style |= WS_CAPTION | WS_BORDER;
        break;
    case BorderStyle::Sizable:
        style |= WS_CAPTION | WS_THICKFRAME;
        break;
    }
    if (borderStyle != BorderStyle::None && controlBox) {
        style |= WS_SYSMENU;
        if (minButton)
            style |= WS_MINIMIZEBOX;
        if (maxButton)
            style |= WS_MAXIMIZEBOX;
    }
    HWND owner = showInTaskbar ? nullptr : hiddenOwner();
    if (!createWindow(owner, style, 0, caption, CW_USEDEFAULT, CW_USEDEFAULT, 320, 240))
        return;
    if (icon) {
        SendMessageA(hwnd(), WM_SETICON, ICON_BIG, (LPARAM)icon);
        SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, (LPARAM)icon);
    }
    isLoaded = true;
    loadedForms.push_back(this);
    loading = true;
    loadEvent();
    loading = false;
    resizedSinceLoad = false;
}

void Form::show() {
    load();
    if (!isLoaded || !hwnd())
        return;
    const bool wasVisible = IsWindowVisible(hwnd()) != FALSE;
    ShowWindow(hwnd(), SW_SHOW);
    UpdateWindow(hwnd());
    if (!wasVisible && !resizedSinceLoad)
        resized();
}

void Form::showModal() {
    show();
    if (!isLoaded)
        return;
    std::vector<HWND> disabled;
    for (Form* other : loadedForms)
        if (other != this && other->hwnd() && IsWindowEnabled(other->hwnd())) {
            EnableWindow(other->hwnd(), FALSE);
            disabled.push_back(other->hwnd());
        }
    MSG message;
    while (isLoaded) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage((int)message.wParam);
            break;
        }
        if (got < 0)
            break;
        if (!IsDialogMessageA(hwnd(), &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    for (HWND window : disabled)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
}

bool Form::unload(UnloadReason reason) {
    if (!isLoaded)
        return true;
    bool cancel = false;
    queryUnloadEvent(cancel, reason);
    if (cancel)
        return false;
    unloadEvent(cancel);
    if (cancel)
        return false;
    isLoaded = false;
    loadedForms.erase(std::remove(loadedForms.begin(), loadedForms.end(), this), loadedForms.end());
    destroyWindow();
    return true;
}

void Form::setBounds(int left, int top, int width, int height) {
    if (hwnd())
        SetWindowPos(hwnd(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::setBoundsTwips(int left, int top, int width, int height) {
    const int tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
    setBounds(TwipsToPixels(left, tx), TwipsToPixels(top, ty), TwipsToPixels(width, tx),
              TwipsToPixels(height, ty));
}

RECT Form::bounds() const {
    RECT area = {};
    if (hwnd())
        GetWindowRect(hwnd(), &area);
    return area;
}

int Form::widthTwips() const {
    const RECT area = bounds();
    return (area.right - area.left) * TwipsPerPixelX();
}

int Form::heightTwips() const {
    const RECT area = bounds();
    return (area.bottom - area.top) * TwipsPerPixelY();
}

void Form::setCaption(const std::string& text) {
    caption = text;
    if (hwnd())
        SetWindowTextA(hwnd(), text.c_str());
}

void Form::resized() {
    // The load event sizes its form freely; the resize event comes when the form is shown.
    if (loading)
        return;
    resizedSinceLoad = true;
    resizeEvent();
}

bool Form::closeRequested() {
    unload(UnloadReason::ControlMenu);
    return true;
}

void Form::endSession() {
    unload(UnloadReason::WindowsShutdown);
}

int LoadedFormCount() {
    return (int)loadedForms.size();
}

void RunEventLoop() {
    // The loop ends by itself with the last form; no quit message is needed.
    MSG message;
    while (LoadedFormCount() > 0 && GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

} // namespace Forms
