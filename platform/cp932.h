// Conversion between UTF-8 and Shift-JIS code page 932, the encoding of all the
// program's texts.
#pragma once

#include <string>
#include <string_view>

namespace lv {

// A character code page 932 cannot hold becomes "?"; the JIS forms that Linux
// input methods produce (such as the wave dash U+301C) give the bytes Windows gives.
std::string Utf8ToCp932(std::string_view utf8);
// Bytes that are not valid code page 932 become U+FFFD.
std::string Cp932ToUtf8(std::string_view cp932);

}  // namespace lv
