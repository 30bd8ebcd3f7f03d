// A 24-bit picture in memory: the canvas every drawing of the program goes through.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lv {

// Colour value: red + 256 * green + 65536 * blue.
using TColor = std::uint32_t;

// The format a bitmap declares. Pixels are always held as 24-bit blue, green, red
// triples; the declared format only records what the bitmap was made as, so that
// code which insists on 24-bit data can refuse anything else.
enum class TPixelFormat { pf1bit, pf4bit, pf8bit, pf24bit, pf32bit };

class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  TPixelFormat PixelFormat() const { return format_; }
  void SetPixelFormat(TPixelFormat format) { format_ = format; }

  // Resizes to width x height; the new picture is black.
  void SetSize(int width, int height);

  // Row access: width * 3 bytes in the order blue, green, red.
  std::uint8_t* ScanLine(int y) { return data_.data() + static_cast<std::size_t>(y) * stride_; }
  const std::uint8_t* ScanLine(int y) const { return data_.data() + static_cast<std::size_t>(y) * stride_; }
  int Stride() const { return stride_; }
  const std::uint8_t* Bits() const { return data_.data(); }

  TColor Pixel(int x, int y) const;
  // Pixels outside the picture are left alone.
  void SetPixel(int x, int y, TColor color);

  void FillRect(int left, int top, int width, int height, TColor color);

  // Plain copy of the width x height rectangle at (srcX, srcY) of source to
  // (dstX, dstY); whatever falls outside either picture is clipped.
  void CopyRect(int dstX, int dstY, const TBitmap& source, int srcX, int srcY, int width, int height);

  // Copies the whole of source into the rectangle (dstX, dstY, width, height),
  // scaled with the nearest source pixel; clipped to this picture.
  void StretchDraw(int dstX, int dstY, int width, int height, const TBitmap& source);

  bool operator==(const TBitmap& other) const;

 private:
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  TPixelFormat format_ = TPixelFormat::pf24bit;
  std::vector<std::uint8_t> data_;
};

// Encodes the bitmap as a 24-bit bottom-up BMP file.
std::vector<std::uint8_t> EncodeBmp24(const TBitmap& bitmap);

}  // namespace lv
