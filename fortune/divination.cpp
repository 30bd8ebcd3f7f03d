#include "fortune/divination.h"

#include <cstdint>

#include "fortune/card_numbers.h"

namespace lv {

const std::array<int, 100> FateDigits = {
    2, 3, 9, 1, 5, 8, 4, 7, 6, 1,  //
    9, 7, 5, 3, 3, 6, 2, 8, 7, 4,  //
    3, 8, 1, 3, 5, 9, 6, 7, 1, 9,  //
    2, 5, 8, 6, 7, 7, 1, 9, 3, 4,  //
    5, 3, 1, 2, 9, 1, 8, 2, 6, 7,  //
    9, 1, 3, 2, 4, 5, 7, 6, 3, 6,  //
    8, 7, 1, 2, 4, 8, 1, 3, 9, 5,  //
    6, 8, 3, 2, 1, 3, 9, 8, 5, 5,  //
    8, 9, 5, 3, 2, 2, 6, 4, 5, 7,  //
    6, 8, 9, 3, 5, 7, 2, 4, 1, 5,
};

namespace {

// A fate that is not drawn again before this many days have passed...
constexpr int kFateMinDays = 12;
// ...and that is always drawn again once this many have.
constexpr int kFateMaxDays = 31;
// Between the two, one start a day redraws when a draw from this many gives 0.
constexpr int kRedrawChance = 12;

}  // namespace

int FateInRange(int fate) {
  const int rest = fate % CardMax;
  return rest < 0 ? rest + CardMax : rest;
}

// The length enters every step, so adding one byte moves every position. The sum
// is kept in 64 bits: with the fate in range it never goes negative, and it cannot
// overflow for any wish a text box can hold.
int DivineCardFromBytes(std::string_view wishCp932, int fate) {
  const std::int64_t length = static_cast<std::int64_t>(wishCp932.size());
  if (length == 0) return TitleCard;
  std::int64_t pos = length % 100;
  std::int64_t acc = FateInRange(fate) + FateDigits[static_cast<std::size_t>(pos)];
  for (char byte : wishCp932) {
    const int c = static_cast<unsigned char>(byte);
    pos = (pos + c + length) % 100;
    acc += FateDigits[static_cast<std::size_t>(pos)] + c % 100;
  }
  return static_cast<int>(acc % CardMax) + 1;
}

TFate UpdateFate(int fate, int oldDate, int memDate, int today, TRandom& random) {
  const TFate kept{FateInRange(fate), oldDate};
  const int days = today - oldDate;
  // A renewal date after today comes from a clock that was wrong once; keeping it
  // would keep the fate for ever, so it is due now.
  const bool due = days < 0 || days >= kFateMaxDays ||
                   (days >= kFateMinDays && random.Random(kRedrawChance) == 0 && memDate != today);
  return due ? TFate{random.Random(CardMax), today} : kept;
}

}  // namespace lv
