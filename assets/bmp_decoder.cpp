#include <cstring>
#include <vector>

#include "assets/picture_decoders.h"
#include "platform/byte_order.h"

namespace lv {

namespace {

TPixelFormat FormatFor(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 1: return TPixelFormat::pf1bit;
    case 4: return TPixelFormat::pf4bit;
    case 8: return TPixelFormat::pf8bit;
    case 32: return TPixelFormat::pf32bit;
    default: return TPixelFormat::pf24bit;
  }
}

// The colour of pixel x of a stored row, from the palette for palette formats.
TColor RowPixel(const std::uint8_t* row, int x, int bits, const std::vector<TColor>& palette) {
  if (bits >= 24) {
    const std::uint8_t* p = row + x * (bits / 8);
    return p[2] | (p[1] << 8) | (p[0] << 16);
  }
  int perByte = 8 / bits;
  int shift = 8 - bits * (x % perByte + 1);
  unsigned index = (row[x / perByte] >> shift) & ((1u << bits) - 1);
  return index < palette.size() ? palette[index] : 0;
}

}  // namespace

bool DecodeBmp(const std::uint8_t* data, std::size_t size, TBitmap& output) {
  if (size < 54 || data[0] != 'B' || data[1] != 'M') return false;
  const std::uint32_t pixelOffset = ReadLittleEndian(data + 10, 4);
  const std::uint32_t headerSize = ReadLittleEndian(data + 14, 4);
  const int width = static_cast<int>(ReadLittleEndian(data + 18, 4));
  const int rawHeight = static_cast<int>(ReadLittleEndian(data + 22, 4));
  const int bits = static_cast<int>(ReadLittleEndian(data + 28, 2));
  const std::uint32_t compression = ReadLittleEndian(data + 30, 4);
  std::uint32_t colours = ReadLittleEndian(data + 46, 4);
  const bool supported = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
  if (headerSize < 40 || !supported || compression != 0 || width <= 0 || rawHeight == 0 ||
      width > 1 << 15 || rawHeight > 1 << 15 || rawHeight < -(1 << 15))
    return false;
  const bool bottomUp = rawHeight > 0;
  const int height = bottomUp ? rawHeight : -rawHeight;

  std::vector<TColor> palette;
  if (bits <= 8) {
    if (colours == 0 || colours > (1u << bits)) colours = 1u << bits;
    const std::size_t paletteAt = 14 + headerSize;
    if (paletteAt + colours * 4 > size) return false;
    for (std::uint32_t i = 0; i < colours; ++i) {
      const std::uint8_t* q = data + paletteAt + i * 4;
      palette.push_back(q[2] | (q[1] << 8) | (q[0] << 16));
    }
  }
  const std::size_t rowBytes = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
  if (pixelOffset > size || rowBytes * height > size - pixelOffset) return false;

  output.SetSize(width, height);
  output.SetPixelFormat(FormatFor(bits));
  for (int y = 0; y < height; ++y) {
    const int stored = bottomUp ? height - 1 - y : y;
    const std::uint8_t* row = data + pixelOffset + rowBytes * stored;
    for (int x = 0; x < width; ++x) output.SetPixel(x, y, RowPixel(row, x, bits, palette));
  }
  return true;
}

}  // namespace lv
