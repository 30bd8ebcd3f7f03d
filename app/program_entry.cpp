#include "app/program_entry.h"

#include <exception>

#include "app/main_unit.h"

namespace lv {

namespace {

// A running copy is known only by its window title: no lock file, no other marker.
bool RaiseRunningCopy(IWindowFinder& windows) {
  auto running = windows.FindTopLevel(kAppTitle);
  if (!running) return false;
  if (windows.IsIconic(*running)) windows.Restore(*running);
  windows.BringToFront(*running);
  return true;
}

}  // namespace

int RunLunavox(IPlatform& platform, const TResourceStore& resources) {
  if (RaiseRunningCopy(platform.Windows())) return 0;
  IApplication& app = platform.Application();
  app.SetTitle(kAppTitle);
  TVeyraFM form(platform, resources);
  // An error during creation ends the creation at that step; the window still runs
  // with what was built, as an error in any other event handler would leave it.
  try {
    form.FormCreate();
  } catch (const std::exception& error) {
    app.ShowError(error.what());
  }
  app.Run(form.Form());
  try {
    form.FormDestroy();
  } catch (const std::exception& error) {
    app.ShowError(error.what());
  }
  return 0;
}

}  // namespace lv
