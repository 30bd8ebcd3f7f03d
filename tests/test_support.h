// Shared fixtures: a window on the in-memory desktop, in a folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/main_unit.h"
#include "platform/headless/headless_platform.h"

namespace lv::test {

// A new empty folder, removed with everything in it when this goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  // The folder's path with its trailing separator.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// The headless desktop with the program in a fresh folder of its own.
struct TestPlatform : headless::Platform {
  TestPlatform() { exePath = folder.Path() + "lunavox"; }
  TempFolder folder;
};

// A main window made on the headless desktop, not yet created (FormCreate not run).
class WindowTest : public ::testing::Test {
 protected:
  WindowTest() : form(platform, TResourceStore::Embedded()), screen(*platform.app.form) {}

  TestPlatform platform;
  TVeyraFM form;
  headless::Form& screen;  // the window as the desktop shows it
};

// The decoded picture of a JPG resource of the program.
TBitmap EmbeddedJpg(const std::string& name);

}  // namespace lv::test
