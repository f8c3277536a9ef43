#pragma once

#include <windows.h>

#include <functional>

namespace Forms {

// Ticks every interval milliseconds while enabled and the interval is not 0. Ticks come as messages:
// they never overlap each other or another event.
class Timer {
public:
    Timer() = default;
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void setInterval(UINT milliseconds);
    UINT interval() const { return period; }
    void setEnabled(bool enabled);
    bool enabled() const { return on; }

    std::function<void()> onTick;

private:
    friend struct TimerWindow;
    void update();
    void tick();

    UINT period = 0;
    bool on = false;
    bool running = false;
    bool ticking = false;
    UINT_PTR id = 0;
};

} // namespace Forms
