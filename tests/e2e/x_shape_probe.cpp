// Prints the bounding shape of an X window as a plain PBM picture of the given
// size: pixels inside the shape are white (0), pixels outside black (1). The
// rectangle count goes to standard error.
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s WINDOW_ID WIDTH HEIGHT\n", argv[0]);
    return 2;
  }
  const Window window = std::strtoul(argv[1], nullptr, 0);
  const int width = std::atoi(argv[2]), height = std::atoi(argv[3]);
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 1;
  int count = 0, ordering = 0;
  XRectangle* rects = XShapeGetRectangles(display, window, ShapeBounding, &count, &ordering);
  std::vector<char> inside(static_cast<std::size_t>(width) * height, 0);
  for (int i = 0; i < count; ++i)
    for (int y = rects[i].y; y < rects[i].y + rects[i].height; ++y)
      for (int x = rects[i].x; x < rects[i].x + rects[i].width; ++x)
        if (x >= 0 && x < width && y >= 0 && y < height) inside[static_cast<std::size_t>(y) * width + x] = 1;
  std::fprintf(stderr, "%d rectangles\n", count);
  std::printf("P1\n%d %d\n", width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) std::putchar(inside[static_cast<std::size_t>(y) * width + x] ? '0' : '1');
    std::putchar('\n');
  }
  if (rects) XFree(rects);
  XCloseDisplay(display);
  return 0;
}
