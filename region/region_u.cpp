#include "region/region_u.h"

#include <algorithm>
#include <cstdint>

#include "platform/byte_order.h"

namespace lv {

namespace {

constexpr char kCannotCreate[] = "TRegion.LoadFromStream: Cannot Create Region";
constexpr char kBitmapFailed[] = "TRegion.makeRgnFromBitmap Failed";

std::int32_t IntAt(const std::uint8_t* p) { return static_cast<std::int32_t>(ReadLittleEndian(p, 4)); }

void WriteInt(TMemoryStream& stream, std::int32_t value) {
  std::uint8_t bytes[4];
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
  stream.Write(bytes, 4);
}

void WriteRect(TMemoryStream& stream, int left, int top, int right, int bottom) {
  for (int v : {left, top, right, bottom}) WriteInt(stream, v);
}

// Adds the rectangles of one part; a rectangle of no size adds no pixel.
void AddPart(TRegionRects& region, const std::uint8_t* rects, int count) {
  for (int i = 0; i < count; ++i) {
    const std::uint8_t* r = rects + i * RegionRectSize;
    const TRect rect{IntAt(r), IntAt(r + 4), IntAt(r + 8), IntAt(r + 12)};
    if (rect.Left < rect.Right && rect.Top < rect.Bottom) region.push_back(rect);
  }
}

}  // namespace

// The header is checked against the data before anything is read: a wrong size or
// type, a negative count or fewer rectangles than the count promises would
// otherwise read garbage as rectangles.
void TRegion::LoadFromStream(TMemoryStream& stream) {
  std::vector<std::uint8_t> buffer(RegionHeaderSize + RegionPartRects * RegionRectSize);
  if (stream.Read(buffer.data(), RegionHeaderSize) != RegionHeaderSize) throw ERgnError(kCannotCreate);
  const std::int32_t headerSize = IntAt(&buffer[0]);
  const std::int32_t type = IntAt(&buffer[4]);
  const std::int32_t count = IntAt(&buffer[8]);
  const std::uint64_t available = stream.Size() - stream.Position();
  if (headerSize != RegionHeaderSize || type != RegionRectListType || count < 0 ||
      static_cast<std::uint64_t>(count) * RegionRectSize > available)
    throw ERgnError(kCannotCreate);

  TRegionRects accumulator;
  accumulator.reserve(static_cast<std::size_t>(count));
  for (int remaining = count; remaining > 0; remaining -= RegionPartRects) {
    const int n = std::min(remaining, RegionPartRects);
    stream.Read(buffer.data() + RegionHeaderSize, static_cast<std::size_t>(n) * RegionRectSize);
    AddPart(accumulator, buffer.data() + RegionHeaderSize, n);
  }
  rects_ = std::move(accumulator);
}

void TRegion::makeRgnFromBitmap(const TBitmap& bitmap, TColor transparent) {
  if (bitmap.PixelFormat() != TPixelFormat::pf24bit) throw ERgnError(kBitmapFailed);
  const int width = bitmap.Width();
  const int height = bitmap.Height();
  TMemoryStream stream;
  WriteInt(stream, RegionHeaderSize);
  WriteInt(stream, RegionRectListType);
  WriteInt(stream, 0);  // the count, filled in at the end
  WriteInt(stream, 0);
  WriteRect(stream, 0, 0, width, height);

  int count = 0;
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = bitmap.ScanLine(y);
    int runStart = -1;
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* p = row + 3 * x;  // blue, green, red
      const TColor colour = p[2] | (p[1] << 8) | (p[0] << 16);
      if (colour == transparent && runStart >= 0) {
        WriteRect(stream, runStart, y, x, y + 1);
        ++count;
        runStart = -1;
      } else if (colour != transparent && runStart < 0) {
        runStart = x;
      }
    }
    if (runStart >= 0) {
      WriteRect(stream, runStart, y, width, y + 1);
      ++count;
    }
  }
  stream.SetPosition(8);
  WriteInt(stream, count);
  stream.SetPosition(0);
  LoadFromStream(stream);
}

}  // namespace lv
