// Program start: one copy per desktop, then the window and its message loop.
#pragma once

#include "assets/resource_store.h"
#include "platform/platform.h"

namespace lv {

// Raises a running copy and returns 0 at once if a window titled "Lunavox2009"
// exists; otherwise creates the main window, runs it until it is closed, tears it
// down and returns 0.
int RunLunavox(IPlatform& platform, const TResourceStore& resources);

}  // namespace lv
