// Shared fixtures: a window on the in-memory desktop.
#pragma once

#include <gtest/gtest.h>

#include "app/main_unit.h"
#include "platform/headless/headless_platform.h"

namespace lv::test {

// A main window made on the headless desktop, not yet created (FormCreate not run).
class WindowTest : public ::testing::Test {
 protected:
  WindowTest() : form(platform, TResourceStore::Embedded()), screen(*platform.app.form) {}

  headless::Platform platform;
  TVeyraFM form;
  headless::Form& screen;  // the window as the desktop shows it
};

// The decoded picture of a JPG resource of the program.
TBitmap EmbeddedJpg(const std::string& name);

}  // namespace lv::test
