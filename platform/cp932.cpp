#include "platform/cp932.h"

#include <cerrno>
#include <iconv.h>

namespace lv {

namespace {

// Runs iconv over input; where a character cannot be converted, appends
// replacement and skips that one input character (skip bytes long).
std::string Convert(const char* to, const char* from, std::string_view input,
                    std::string_view replacement, std::size_t (*skip)(std::string_view)) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(input);
  std::string out;
  char buffer[1024];
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
      out.append(replacement);
      std::size_t n = std::min(inLeft, skip(std::string_view(in, inLeft)));
      in += n;
      inLeft -= n;
    }
  }
  iconv_close(cd);
  return out;
}

// Length of the UTF-8 sequence that starts the text (1 for a stray byte).
std::size_t Utf8CharLength(std::string_view s) {
  unsigned char c = static_cast<unsigned char>(s[0]);
  std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
  for (std::size_t i = 1; i < n; ++i)
    if (i >= s.size() || (static_cast<unsigned char>(s[i]) >> 6) != 2) return 1;
  return n;
}

// Length of the code page 932 character that starts the text.
std::size_t Cp932CharLength(std::string_view s) {
  unsigned char c = static_cast<unsigned char>(s[0]);
  bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
  return lead && s.size() >= 2 ? 2 : 1;
}

}  // namespace

std::string Utf8ToCp932(std::string_view utf8) {
  return Convert("CP932", "UTF-8", utf8, "?", Utf8CharLength);
}

std::string Cp932ToUtf8(std::string_view cp932) {
  return Convert("UTF-8", "CP932", cp932, "\xEF\xBF\xBD", Cp932CharLength);
}

}  // namespace lv
