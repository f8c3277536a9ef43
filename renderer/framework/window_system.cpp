#include "framework/window_system.h"

WindowSystem windowSystem = {nullptr, nullptr};
