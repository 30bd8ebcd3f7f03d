#include "assets/my_sys_u.h"

#include <charconv>

namespace lv {

std::string ZeroPad(int value, int width) {
  std::string digits = std::to_string(static_cast<long long>(value) + 1000000000LL);
  return width >= static_cast<int>(digits.size()) ? digits : digits.substr(digits.size() - width);
}

std::string StripZeros(const std::string& text) {
  std::size_t first = text.find_first_not_of('0');
  return first == std::string::npos ? "0" : text.substr(first);
}

int StrToNum(const std::string& text) {
  std::string digits = StripZeros(text);
  int value = 0;
  const char* end = digits.data() + digits.size();
  auto [ptr, error] = std::from_chars(digits.data() + (digits[0] == '+' ? 1 : 0), end, value);
  if (error != std::errc() || ptr != end) throw EConvertError("'" + text + "' is not a valid integer value");
  return value;
}

}  // namespace lv
