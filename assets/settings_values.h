// How the settings file spells integers, dates and texts in the value of an entry.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lv {

// A decimal number with an optional sign, or, for more than two characters that
// begin with "0x" or "0X", a hexadecimal one of up to 32 bits (0xFFFFFFFF is -1);
// nothing for any other text or a number outside 32 bits.
std::optional<int> ParseInteger(std::string_view text);

// yyyy/mm/dd (month and day of one or two digits) as a day count since
// 1899-12-30; nothing for other text or a day that does not exist.
std::optional<int> ParseDate(std::string_view text);
std::string FormatDate(int days);

// A text as it is written after "=". A text that would not read back as itself
// (a line break, a NUL byte, spaces or tabs at either end, or a text that starts
// and ends with a double quote) is written in double quotes with the escapes
// \r \n \0 \\ \"; every other text is written unchanged, as it always was.
std::string EncodeText(std::string_view text);
// The reverse: a value in double quotes is unquoted and its escapes resolved
// (an unknown escape stays as written); any other value is the text itself.
std::string DecodeText(std::string_view value);

}  // namespace lv
