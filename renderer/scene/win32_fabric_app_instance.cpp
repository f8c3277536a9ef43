#include "scene/win32_fabric_app.h"

namespace {

// theApp exists before the entry point runs.
const bool created = (theApp = new FabricApp, true);

} // namespace
