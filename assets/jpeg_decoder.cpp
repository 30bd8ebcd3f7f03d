#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "assets/picture_decoders.h"

namespace lv {

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

[[noreturn]] void OnJpegError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void IgnoreJpegMessage(j_common_ptr) {}

}  // namespace

bool DecodeJpeg(const std::uint8_t* data, std::size_t size, TBitmap& output) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnJpegError;
  errors.base.output_message = IgnoreJpegMessage;
  if (setjmp(errors.escape)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_EXT_BGR;
  jpeg_start_decompress(&info);
  output.SetSize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  output.SetPixelFormat(TPixelFormat::pf24bit);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = output.ScanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace lv
