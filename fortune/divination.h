// The arithmetic of a fortune: the card a wish gives under the user's fate number,
// and the slow drift of that number over the weeks.
#pragma once

#include <array>
#include <string_view>

#include "app/random_source.h"

namespace lv {

// The fixed digits the divination walks through, indexed 0 to 99.
extern const std::array<int, 100> FateDigits;

// Fate brought into 0 to CardMax - 1; only a hand-edited file holds other values.
int FateInRange(int fate);

// The card (1 to 29) for the wish's code page 932 bytes under fate; 0, the title
// card, for the empty wish. The same bytes and fate always give the same card.
int DivineCardFromBytes(std::string_view wishCp932, int fate);

struct TFate {
  int Fate = 0;
  int OldDate = 0;  // day count of the day the fate was last drawn
  bool operator==(const TFate&) const = default;
};

// The fate for this start. It stays for at least 12 days after it was drawn, is
// drawn again with a chance of 1 in 12 on the first start of each later day, and
// always on a start 31 or more days after. A clock set back never redraws.
// Dates are day counts; memDate is the day of the last exit.
TFate UpdateFate(int fate, int oldDate, int memDate, int today, TRandom& random);

}  // namespace lv
