// Calendar dates as whole day counts since 1899-12-30, the form in which the
// program keeps and compares dates; the clock reports the same count.
#pragma once

#include <optional>

namespace lv {

struct TDate {
  int Year = 0, Month = 0, Day = 0;
  bool operator==(const TDate&) const = default;
};

// True for a day of the proleptic Gregorian calendar from year 1 to 9999.
bool IsValidDate(int year, int month, int day);
// The day count of a valid date; nothing for an invalid one.
std::optional<int> DateToDays(int year, int month, int day);
TDate DaysToDate(int days);

}  // namespace lv
