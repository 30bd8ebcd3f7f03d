// The record of seen cards, its settings text, and the transform button.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/cp932.h"
#include "tests/card_fixtures.h"

namespace lv {
namespace {

using test::WindowTest;
using Cards = std::vector<int>;

Cards SeenCards(const TVeyraFM& form) {
  Cards seen;
  for (int n = 1; n <= CardMax; ++n)
    if (form.IsCardSeen(n)) seen.push_back(n);
  return seen;
}

Cards AllCardsBut(Cards except) {
  Cards cards;
  for (int n = 1; n <= CardMax; ++n)
    if (std::find(except.begin(), except.end(), n) == except.end()) cards.push_back(n);
  return cards;
}

TEST_F(WindowTest, MarkingSetsOneCardOrWithCardZeroAndAllEveryCard) {
  struct Case {
    int n;
    bool all;
    Cards seenAfterMarkingFromNone, seenAfterUnmarkingFromAll;
  } cases[] = {
      {0, false, {}, AllCardsBut({})},
      {0, true, AllCardsBut({}), {}},
      {5, false, {5}, AllCardsBut({5})},
      {29, true, {29}, AllCardsBut({29})},  // All counts only with card 0
      {30, true, {}, AllCardsBut({})},      // beyond the deck: nothing
  };
  for (const Case& c : cases) {
    form.MarkCardUnseen(0, true);
    form.MarkCardSeen(c.n, c.all);
    EXPECT_EQ(SeenCards(form), c.seenAfterMarkingFromNone) << c.n << " " << c.all;
    form.MarkCardSeen(0, true);
    form.MarkCardUnseen(c.n, c.all);
    EXPECT_EQ(SeenCards(form), c.seenAfterUnmarkingFromAll) << c.n << " " << c.all;
  }
  EXPECT_TRUE(form.IsCardSeen(0));  // the title card always counts as seen
}

TEST_F(WindowTest, CountingFollowsTheRecordOnlyWhenAsked) {
  form.MarkCardSeen(0, true);
  EXPECT_EQ(form.SeenCount, 0);
  form.CountSeenCards();
  EXPECT_EQ(form.SeenCount, CardMax);
  EXPECT_TRUE(form.AllSeen);
  form.MarkCardUnseen(17, false);
  form.CountSeenCards();
  EXPECT_EQ(form.SeenCount, CardMax - 1);
  EXPECT_FALSE(form.AllSeen);
}

TEST_F(WindowTest, CardOkTextRoundTripsAndReadsOnlyALowerCaseLAsSeen) {
  for (int n : {1, 3, 29}) form.MarkCardSeen(n, false);
  const std::string encoded = form.EncodeCardOK();
  EXPECT_EQ(encoded, "l.l" + std::string(25, '.') + "l");
  form.MarkCardUnseen(0, true);
  form.DecodeCardOK(encoded);
  EXPECT_EQ(SeenCards(form), (Cards{1, 3, 29}));

  struct Case {
    std::string text;
    Cards seen;
  } cases[] = {
      {"", {}},                                 // the key is missing
      {"l.l", {1, 3}},                          // short: the rest is not seen
      {std::string(300, 'l'), AllCardsBut({})}, // long: the rest is ignored
      {"L.lx l", {3, 6}},                       // anything but "l" is not seen
      {".." + Utf8ToCp932("ｌ") + "l", {5}},    // a double-byte letter takes two places
  };
  for (const Case& c : cases) {
    form.MarkCardSeen(0, true);
    form.DecodeCardOK(c.text);
    EXPECT_EQ(SeenCards(form), c.seen) << c.text;
    EXPECT_EQ(form.EncodeCardOK().size(), static_cast<std::size_t>(CardMax));
  }
}

using TransformButtonTest = test::CreatedWindowTest;

TEST_F(TransformButtonTest, ShowsTheHeartOnlyWithEveryCardSeenOnACardWithATransformedFace) {
  form.CardTable = test::CardTableWith({{1, {Utf8ToCp932("Ｈ") + "x"}}, {5, {"x"}}});
  struct Case {
    bool allSeen;
    int card;
    bool transformed;
    int state;
  } cases[] = {{false, 1, false, 0}, {true, 5, false, 0}, {true, 5, true, 0}, {true, 1, false, 3}, {true, 1, true, 1}};
  for (const Case& c : cases) {
    form.AllSeen = c.allSeen;
    form.CardNo = c.card;
    form.Transformed = c.transformed;
    form.UpdateTransformButton();
    const TButtonDat& b = form.ButtonTable[BtnTransform];
    EXPECT_EQ(b.State, c.state) << c.card << c.allSeen << c.transformed;
    EXPECT_TRUE(test::Crop(screen.Canvas(), b.X, b.Y, b.Width, b.Height) ==
                test::Crop(form.ButtonBmp, b.SrcX + b.Width * c.state, b.SrcY, b.Width, b.Height));
  }
}

}  // namespace
}  // namespace lv
