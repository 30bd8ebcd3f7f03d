// The search for another running copy's window on the X11 display.
#pragma once

#include <memory>

#include "platform/platform.h"

namespace lv::qt {

std::unique_ptr<IWindowFinder> MakeX11WindowFinder();

}  // namespace lv::qt
