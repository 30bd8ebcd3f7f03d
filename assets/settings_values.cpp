#include "assets/settings_values.h"

#include <cstdint>
#include <limits>

#include "assets/day_count.h"
#include "assets/my_sys_u.h"

namespace lv {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<int> ParseHex(std::string_view digits) {
  std::uint64_t value = 0;
  for (char c : digits) {
    const int digit = HexDigitValue(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint64_t>(digit);
    if (value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<int> ParseDecimal(std::string_view text) {
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > std::int64_t{std::numeric_limits<int>::max()} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(value);
}

// A field of minDigits to maxDigits decimal digits, without a sign.
std::optional<int> ParseField(std::string_view text, std::size_t minDigits, std::size_t maxDigits) {
  if (text.size() < minDigits || text.size() > maxDigits || text[0] == '-' || text[0] == '+')
    return std::nullopt;
  return ParseDecimal(text);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsQuoted(std::string_view text) {
  return text.size() >= 2 && text.front() == '"' && text.back() == '"';
}

bool NeedsQuotes(std::string_view text) {
  if (text.empty()) return false;
  if (IsBlank(text.front()) || IsBlank(text.back()) || IsQuoted(text)) return true;
  for (char c : text)
    if (c == '\r' || c == '\n' || c == '\0') return true;
  return false;
}

}  // namespace

std::optional<int> ParseInteger(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    return ParseHex(text.substr(2));
  return ParseDecimal(text);
}

std::optional<int> ParseDate(std::string_view text) {
  const std::size_t first = text.find('/');
  const std::size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const auto year = ParseField(text.substr(0, first), 4, 4);
  const auto month = ParseField(text.substr(first + 1, second - first - 1), 1, 2);
  const auto day = ParseField(text.substr(second + 1), 1, 2);
  if (!year || !month || !day) return std::nullopt;
  return DateToDays(*year, *month, *day);
}

std::string FormatDate(int days) {
  const TDate date = DaysToDate(days);
  return ZeroPad(date.Year, 4) + "/" + ZeroPad(date.Month, 2) + "/" + ZeroPad(date.Day, 2);
}

std::string EncodeText(std::string_view text) {
  if (!NeedsQuotes(text)) return std::string(text);
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\0': out += "\\0"; break;
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      default: out += c;
    }
  }
  return out + "\"";
}

std::string DecodeText(std::string_view value) {
  if (!IsQuoted(value)) return std::string(value);
  const std::string_view inner = value.substr(1, value.size() - 2);
  std::string out;
  for (std::size_t i = 0; i < inner.size(); ++i) {
    const char next = i + 1 < inner.size() ? inner[i + 1] : '\0';
    const bool escape = inner[i] == '\\' && (next == 'r' || next == 'n' || next == '0' || next == '\\' || next == '"');
    if (!escape) {
      out += inner[i];
      continue;
    }
    out += next == 'r' ? '\r' : next == 'n' ? '\n' : next == '0' ? '\0' : next;
    ++i;
  }
  return out;
}

}  // namespace lv
