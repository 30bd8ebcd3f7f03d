// Telling a fortune from the wish and drawing a card at random, from the press to
// the end of the card turn.
#include <gtest/gtest.h>

#include "tests/card_fixtures.h"

namespace lv {
namespace {

class FortuneTest : public test::CreatedWindowTest {
 protected:
  void TypeWish(const std::string& text) {
    screen.memo->Type(text);
  }
};

TEST_F(FortuneTest, TheWishAndTheFateDecideTheCard) {
  form.Fate = 0;
  TypeWish("abc");
  form.StartFortune();
  EXPECT_EQ(form.CardNo, 16);
  EXPECT_TRUE(form.IsCardSeen(16));
  EXPECT_TRUE(form.NewFortune);
  EXPECT_EQ(form.AnimState, 1000);
  EXPECT_TRUE(screen.memo->ReadOnly());
  EXPECT_EQ(form.ButtonTable[BtnFortune].State, 2);
  EXPECT_EQ(LastSoundNo(), 2);
  RunToIdle();
  EXPECT_EQ(form.ButtonTable[BtnFortune].State, 0);  // the same wish needs an edit first
  EXPECT_FALSE(screen.memo->ReadOnly());
  EXPECT_EQ(form.LabelNo->Caption(), "CARD.016");
}

TEST_F(FortuneTest, TheEmptyWishShowsTheTitleCardWhichIsNeverRecorded) {
  form.StartFortune();
  EXPECT_EQ(form.CardNo, 0);
  EXPECT_EQ(form.EncodeCardOK(), std::string(CardMax, '.'));
}

TEST_F(FortuneTest, ANegativeFateFromAHandEditedFileStillGivesAFortuneCard) {
  form.Fate = -5;
  TypeWish("abc");
  form.StartFortune();
  EXPECT_GE(form.CardNo, 1);
  EXPECT_LE(form.CardNo, CardMax);
}

TEST_F(FortuneTest, TheRandomDrawGivesAFortuneCardAndStaysPressable) {
  for (int i = 0; i < 40; ++i) {
    form.StartRandomDraw();
    EXPECT_GE(form.CardNo, 1);
    EXPECT_LE(form.CardNo, CardMax);
    EXPECT_TRUE(form.IsCardSeen(form.CardNo));
    EXPECT_EQ(LastSoundNo(), 3);
    RunToIdle();
    EXPECT_EQ(form.ButtonTable[BtnRandom].State, 1);
  }
}

}  // namespace
}  // namespace lv
