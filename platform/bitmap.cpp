#include "platform/bitmap.h"

#include <algorithm>
#include <cstring>

#include "platform/byte_order.h"

namespace lv {

namespace {

// Rows are padded to whole 32-bit words, as screen images expect.
int StrideFor(int width) { return (width * 3 + 3) & ~3; }

// Narrows the copy of a width x height block so that both the source rectangle
// and the destination rectangle lie inside their pictures.
bool ClipCopy(int& dstX, int& dstY, int dstW, int dstH, int& srcX, int& srcY, int srcW, int srcH,
              int& width, int& height) {
  auto clipAxis = [](int& dst, int dstLimit, int& src, int srcLimit, int& length) {
    int shift = std::max({0, -dst, -src});
    dst += shift;
    src += shift;
    length -= shift;
    length = std::min({length, dstLimit - dst, srcLimit - src});
  };
  clipAxis(dstX, dstW, srcX, srcW, width);
  clipAxis(dstY, dstH, srcY, srcH, height);
  return width > 0 && height > 0;
}

}  // namespace

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

void TBitmap::SetSize(int width, int height) {
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  stride_ = StrideFor(width_);
  data_.assign(static_cast<std::size_t>(stride_) * height_, 0);
}

TColor TBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  const std::uint8_t* p = ScanLine(y) + x * 3;
  return p[2] | (p[1] << 8) | (p[0] << 16);
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  std::uint8_t* p = ScanLine(y) + x * 3;
  p[0] = static_cast<std::uint8_t>(color >> 16);
  p[1] = static_cast<std::uint8_t>(color >> 8);
  p[2] = static_cast<std::uint8_t>(color);
}

void TBitmap::FillRect(int left, int top, int width, int height, TColor color) {
  int right = std::min(width_, left + width);
  int bottom = std::min(height_, top + height);
  for (int y = std::max(0, top); y < bottom; ++y)
    for (int x = std::max(0, left); x < right; ++x) SetPixel(x, y, color);
}

void TBitmap::CopyRect(int dstX, int dstY, const TBitmap& source, int srcX, int srcY, int width,
                       int height) {
  if (!ClipCopy(dstX, dstY, width_, height_, srcX, srcY, source.width_, source.height_, width, height))
    return;
  for (int row = 0; row < height; ++row)
    std::memmove(ScanLine(dstY + row) + dstX * 3, source.ScanLine(srcY + row) + srcX * 3,
                 static_cast<std::size_t>(width) * 3);
}

void TBitmap::StretchDraw(int dstX, int dstY, int width, int height, const TBitmap& source) {
  if (width <= 0 || height <= 0 || source.Empty()) return;
  int x0 = std::max(0, dstX), x1 = std::min(width_, dstX + width);
  int y0 = std::max(0, dstY), y1 = std::min(height_, dstY + height);
  for (int y = y0; y < y1; ++y) {
    int sy = static_cast<int>(static_cast<long long>(y - dstY) * source.height_ / height);
    const std::uint8_t* srcRow = source.ScanLine(sy);
    std::uint8_t* dstRow = ScanLine(y);
    for (int x = x0; x < x1; ++x) {
      int sx = static_cast<int>(static_cast<long long>(x - dstX) * source.width_ / width);
      std::memcpy(dstRow + x * 3, srcRow + sx * 3, 3);
    }
  }
}

bool TBitmap::operator==(const TBitmap& other) const {
  if (width_ != other.width_ || height_ != other.height_) return false;
  for (int y = 0; y < height_; ++y)
    if (std::memcmp(ScanLine(y), other.ScanLine(y), static_cast<std::size_t>(width_) * 3) != 0)
      return false;
  return true;
}

std::vector<std::uint8_t> EncodeBmp24(const TBitmap& bitmap) {
  const int rowBytes = (bitmap.Width() * 3 + 3) & ~3;
  const std::uint32_t imageSize = static_cast<std::uint32_t>(rowBytes) * bitmap.Height();
  std::vector<std::uint8_t> out;
  out.reserve(54 + imageSize);
  out.push_back('B');
  out.push_back('M');
  AppendLittleEndian(out, 54 + imageSize, 4);
  AppendLittleEndian(out, 0, 4);
  AppendLittleEndian(out, 54, 4);
  AppendLittleEndian(out, 40, 4);
  AppendLittleEndian(out, static_cast<std::uint32_t>(bitmap.Width()), 4);
  AppendLittleEndian(out, static_cast<std::uint32_t>(bitmap.Height()), 4);
  AppendLittleEndian(out, 1, 2);
  AppendLittleEndian(out, 24, 2);
  AppendLittleEndian(out, 0, 4);
  AppendLittleEndian(out, imageSize, 4);
  AppendLittleEndian(out, 2835, 4);
  AppendLittleEndian(out, 2835, 4);
  AppendLittleEndian(out, 0, 4);
  AppendLittleEndian(out, 0, 4);
  for (int y = bitmap.Height() - 1; y >= 0; --y) {
    const std::uint8_t* row = bitmap.ScanLine(y);
    out.insert(out.end(), row, row + bitmap.Width() * 3);
    out.resize(out.size() + (rowBytes - bitmap.Width() * 3), 0);
  }
  return out;
}

}  // namespace lv
