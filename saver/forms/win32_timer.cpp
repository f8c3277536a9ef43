#include "saver/forms/win32_timer.h"

#include "saver/forms/win32_program.h"

#include <map>

namespace Forms {

struct TimerWindow {
    static std::map<UINT_PTR, Timer*>& timers() {
        static std::map<UINT_PTR, Timer*> all;
        return all;
    }

    static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_TIMER) {
            const auto found = timers().find((UINT_PTR)wParam);
            if (found != timers().end())
                found->second->tick();
            return 0;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }

    static HWND window() {
        static HWND handle = nullptr;
        if (!handle) {
            WNDCLASSA windowClass = {};
            windowClass.lpfnWndProc = proc;
            windowClass.hInstance = ProgramInstance();
            windowClass.lpszClassName = "ZandrelFormsTimers";
            RegisterClassA(&windowClass);
            handle = CreateWindowExA(0, "ZandrelFormsTimers", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     ProgramInstance(), nullptr);
        }
        return handle;
    }
};

namespace {
UINT_PTR nextTimerId = 1;
} // namespace

Timer::~Timer() {
    on = false;
    update();
}

void Timer::setInterval(UINT milliseconds) {
    period = milliseconds;
    if (running) { // restarts with the new interval
        KillTimer(TimerWindow::window(), id);
        TimerWindow::timers().erase(id);
        running = false;
    }
    update();
}

void Timer::setEnabled(bool enabled) {
    on = enabled;
    update();
}

void Timer::update() {
    const bool wanted = on && period > 0;
    if (wanted == running)
        return;
    HWND window = TimerWindow::window();
    if (wanted) {
        if (!id)
            id = nextTimerId++;
        if (SetTimer(window, id, period, nullptr)) {
            TimerWindow::timers()[id] = this;
            running = true;
        }
    } else {
        KillTimer(window, id);
        TimerWindow::timers().erase(id);
        running = false;
    }
}

void Timer::tick() {
    if (ticking || !running)
        return;
    ticking = true;
    if (onTick)
        onTick();
    ticking = false;
}

} // namespace Forms
