#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "fortune/divination.h"

namespace lv {
namespace {

// The divination written out another way: the digits as one string, the positions
// first, then the sum.
int ReferenceCard(const std::string& wish, int fate) {
  static const std::string digits =
      "2391584761" "9753362874" "3813596719" "2586771934" "5312918267"
      "9132457636" "8712481395" "6832139855" "8953226457" "6893572415";
  const int n = static_cast<int>(wish.size());
  if (n == 0) return 0;
  std::vector<int> positions{n % 100};
  for (unsigned char c : wish) positions.push_back((positions.back() + c + n) % 100);
  long long sum = fate;
  for (int p : positions) sum += digits[static_cast<std::size_t>(p)] - '0';
  for (unsigned char c : wish) sum += c % 100;
  return static_cast<int>(sum % 29) + 1;
}

TEST(DivineCard, GivesTheWorkedValues) {
  struct Case {
    const char* wish;
    int fate, card;
  } cases[] = {
      {"abc", 0, 16},
      {"abc", 5, 21},
      {"a", 0, 19},
      {"", 0, 0},
      {"", 17, 0},
      // 2 bytes from 9; E0: position 28, +1 +24; 9F: position 89, +7 +59; 100 mod 29 = 13.
      {"\xE0\x9F", 0, 14},
  };
  for (const Case& c : cases) EXPECT_EQ(DivineCardFromBytes(c.wish, c.fate), c.card) << c.wish << "/" << c.fate;
}

TEST(DivineCard, MatchesAnIndependentReferenceOnLongAndHighByteWishes) {
  std::string allBytes;
  for (int b = 0; b < 256; ++b) allBytes += static_cast<char>(b);
  const std::string wishes[] = {
      std::string(100, 'x'),                    // starts at digit 0 and wraps
      std::string(99, 'x'), std::string(101, 'x'),
      allBytes,
      "\x82\xA0\x82\xA2\r\n\x81\x60\xFC\xFC",  // Japanese text over two lines
  };
  for (const std::string& wish : wishes)
    for (int fate : {0, 13, 28}) EXPECT_EQ(DivineCardFromBytes(wish, fate), ReferenceCard(wish, fate)) << wish.size();
}

TEST(DivineCard, BringsAFateOutsideItsRangeIntoItAndStaysACard) {
  EXPECT_EQ(DivineCardFromBytes("abc", -1), DivineCardFromBytes("abc", 28));
  EXPECT_EQ(DivineCardFromBytes("abc", -29), DivineCardFromBytes("abc", 0));
  EXPECT_EQ(DivineCardFromBytes("abc", 34), DivineCardFromBytes("abc", 5));
  for (int fate : {INT_MIN, -1000, -30, -1, 29, 1000, INT_MAX}) {
    const int card = DivineCardFromBytes(std::string(380, '\xFC'), fate);
    EXPECT_GE(card, 1) << fate;
    EXPECT_LE(card, 29) << fate;
  }
}

// A generator whose first draw from 0 to 11 is 0 (or is not).
TRandom GeneratorWhoseFirstTwelveDrawIsZero(bool zero) {
  for (std::uint64_t seed = 1;; ++seed) {
    TRandom probe;
    probe.Randomize(seed);
    if ((probe.Random(12) == 0) == zero) {
      probe.Randomize(seed);
      return probe;
    }
  }
}

TEST(UpdateFate, RedrawsOnlyOnTheDaysItShouldWithDrawsInOrder) {
  constexpr int kToday = 46000;
  struct Case {
    const char* what;
    int daysBack;
    bool exitedToday, zeroDraw;
    bool drawsChance, redraws;
  } cases[] = {
      {"31 days: always", 31, true, false, false, true},
      {"a year: always", 365, false, false, false, true},
      {"5 days: never", 5, false, true, false, false},
      {"11 days: never", 11, false, true, false, false},
      {"renewed on a future date: always", -40, false, true, false, true},
      {"renewed tomorrow: always", -1, true, true, false, true},
      {"12 days, chance hit", 12, false, true, true, true},
      {"30 days, chance hit", 30, false, true, true, true},
      {"20 days, chance missed", 20, false, false, true, false},
      {"20 days, chance hit, closed today already", 20, true, true, true, false},
  };
  for (const Case& c : cases) {
    TRandom random = GeneratorWhoseFirstTwelveDrawIsZero(c.zeroDraw);
    TRandom expected = random;
    const int oldDate = kToday - c.daysBack;
    const int memDate = c.exitedToday ? kToday : kToday - 1;
    if (c.drawsChance) expected.Random(12);
    const TFate want = c.redraws ? TFate{expected.Random(29), kToday} : TFate{7, oldDate};
    EXPECT_EQ(UpdateFate(7, oldDate, memDate, kToday, random), want) << c.what;
    EXPECT_EQ(random.Random(1 << 30), expected.Random(1 << 30)) << c.what << ": draws made";
  }
}

TEST(UpdateFate, KeepsAKeptFateWithinItsRange) {
  TRandom random;
  EXPECT_EQ(UpdateFate(40, 100, 100, 101, random).Fate, 11);
  EXPECT_EQ(UpdateFate(-1, 100, 100, 101, random).Fate, 28);
  EXPECT_EQ(UpdateFate(-58, 100, 100, 101, random).Fate, 0);
}

}  // namespace
}  // namespace lv
