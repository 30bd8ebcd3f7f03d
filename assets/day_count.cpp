#include "assets/day_count.h"

namespace lv {

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 of a Gregorian date and back, counted in 400-year eras of
// 146097 days whose years start in March, so the leap day ends each year.
constexpr int kEraDays = 146097;

constexpr int CivilToUnixDays(int year, int month, int day) {
  year -= month <= 2;
  const int era = (year >= 0 ? year : year - 399) / 400;
  const int yearOfEra = year - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * kEraDays + dayOfEra - 719468;
}

TDate UnixDaysToCivil(int days) {
  days += 719468;
  const int era = (days >= 0 ? days : days - (kEraDays - 1)) / kEraDays;
  const int dayOfEra = days - era * kEraDays;
  const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / (kEraDays - 1)) / 365;
  const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int monthIndex = (5 * dayOfYear + 2) / 153;
  const int day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
  const int month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
  return {yearOfEra + era * 400 + (month <= 2), month, day};
}

// 1899-12-30 is day 0 of the program's count.
constexpr int kEpochUnixDays = CivilToUnixDays(1899, 12, 30);

}  // namespace

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

std::optional<int> DateToDays(int year, int month, int day) {
  if (!IsValidDate(year, month, day)) return std::nullopt;
  return CivilToUnixDays(year, month, day) - kEpochUnixDays;
}

TDate DaysToDate(int days) { return UnixDaysToCivil(days + kEpochUnixDays); }

}  // namespace lv
