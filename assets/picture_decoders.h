// Decoding the picture formats the program carries: baseline JPEG and palette BMP.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/bitmap.h"

namespace lv {

// Decodes a JPEG file into output (24-bit). Returns false when the data cannot be
// decoded; output then holds what was decoded so far.
bool DecodeJpeg(const std::uint8_t* data, std::size_t size, TBitmap& output);

// Decodes an uncompressed BMP file (1, 4, 8, 24 or 32 bits per pixel) into output,
// whose declared pixel format becomes the file's. Returns false for anything else.
bool DecodeBmp(const std::uint8_t* data, std::size_t size, TBitmap& output);

}  // namespace lv
