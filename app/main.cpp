// The program: the real desktop, then the window.
#include <cstdio>

#include "app/program_entry.h"
#include "platform/qt/qt_platform.h"

int main(int argc, char** argv) {
  if (!lv::qt::QtPlatform::DisplayAvailable()) {
    std::fprintf(stderr, "lunavox: no graphical display found (DISPLAY is not set). "
                         "Start it from a desktop session.\n");
    return 1;
  }
  lv::qt::QtPlatform platform(argc, argv);
  return lv::RunLunavox(platform, lv::TResourceStore::Embedded());
}
