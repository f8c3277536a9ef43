#include "framework/placeholder_app.h"

#include <chrono>
#include <thread>

void PlaceholderApp::endFrame() {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

namespace {

// theApp exists before the entry point runs.
const bool created = (theApp = new PlaceholderApp, true);

} // namespace
