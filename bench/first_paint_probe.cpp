// Starts a program and measures the time from its start to the moment a given
// screen pixel shows a given colour (its first paint), then its peak memory after
// it has run for one more second. Prints "<milliseconds> <peak kB>".
//   first_paint_probe X Y R G B program [args...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

bool PixelMatches(Display* display, int x, int y, int r, int g, int b) {
  XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
  if (!image) return false;
  unsigned long p = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  int pr = (p >> 16) & 255, pg = (p >> 8) & 255, pb = p & 255;
  return std::abs(pr - r) <= 8 && std::abs(pg - g) <= 8 && std::abs(pb - b) <= 8;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 7) {
    std::fprintf(stderr, "usage: %s X Y R G B program [args...]\n", argv[0]);
    return 2;
  }
  const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
  const int r = std::atoi(argv[3]), g = std::atoi(argv[4]), b = std::atoi(argv[5]);
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 2;
  if (PixelMatches(display, x, y, r, g, b)) {
    std::fprintf(stderr, "the pixel already shows the colour\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  pid_t child = fork();
  if (child == 0) {
    execvp(argv[6], argv + 6);
    _exit(127);
  }
  const auto deadline = start + std::chrono::seconds(20);
  while (!PixelMatches(display, x, y, r, g, b)) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      return 1;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::this_thread::sleep_for(std::chrono::seconds(1));
  kill(child, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  std::printf("%.1f %ld\n", ms, usage.ru_maxrss);
  return 0;
}
