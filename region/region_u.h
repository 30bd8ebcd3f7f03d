// A window outline made from a picture: the pixels whose colour is not the
// transparent one, kept as a list of rectangles.
#pragma once

#include <stdexcept>
#include <vector>

#include "platform/bitmap.h"
#include "platform/memory_stream.h"
#include "platform/platform.h"

namespace lv {

// Raised when a region cannot be made; carries only its message.
class ERgnError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The rectangles of a region (right and bottom exclusive), as the window takes them.
using TRegionRects = std::vector<TRect>;

// Region data in a stream, all values little-endian signed 32-bit: a header of
// header size (32), type (1, a list of rectangles), rectangle count, a size hint (0)
// and the bounding rectangle; then left, top, right, bottom of each rectangle.
constexpr int RegionHeaderSize = 32;
constexpr int RegionRectListType = 1;
constexpr int RegionRectSize = 16;
// The most rectangles read and united in one part.
constexpr int RegionPartRects = 4000;

class TRegion {
 public:
  // An empty region.
  TRegion() = default;

  // A copy of the region for the caller to keep or hand on.
  TRegionRects CopyHandle() const { return rects_; }
  const TRegionRects& Rects() const { return rects_; }

  // Replaces the region by the one the stream describes, read in parts of at most
  // RegionPartRects rectangles. Data that does not hold what its header promises
  // raises ERgnError and keeps the region as it was.
  void LoadFromStream(TMemoryStream& stream);

  // Replaces the region by the pixels of a 24-bit bitmap whose colour is not the
  // transparent one: one rectangle per horizontal run, top to bottom and left to
  // right, runs of neighbouring rows not merged. Any other pixel format raises
  // ERgnError.
  void makeRgnFromBitmap(const TBitmap& bitmap, TColor transparent);

 private:
  TRegionRects rects_;
};

}  // namespace lv
