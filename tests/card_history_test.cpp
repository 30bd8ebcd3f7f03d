// The card on show and the one before it, undo, and the replay of a saved fortune.
#include <gtest/gtest.h>

#include "tests/card_fixtures.h"

namespace lv {
namespace {

class HistoryTest : public test::CreatedWindowTest {
 protected:
  headless::Memo& Wish() { return *screen.memo; }
};

TEST_F(HistoryTest, SetCardNoRemembersThePreviousFortuneCardOnly) {
  struct Case {
    int card, prev, next;
    int expectedPrev;
  } cases[] = {
      {5, 0, 9, 5},  // a new card: the shown one becomes the previous
      {5, 3, 5, 3},  // the same card again keeps the previous
      {0, 3, 9, 3},  // from the title card: nothing to remember
  };
  for (const Case& c : cases) {
    form.CardNo = c.card;
    form.PrevCardNo = c.prev;
    form.SetCardNo(c.next);
    EXPECT_EQ(form.CardNo, c.next);
    EXPECT_EQ(form.PrevCardNo, c.expectedPrev) << c.card << "->" << c.next;
  }
}

TEST_F(HistoryTest, UndoGoesBackAndAgainForth) {
  EXPECT_FALSE(form.CanUndoCard());  // a fresh start has nothing to undo
  form.SetCardNo(5);
  form.SetCardNo(9);
  ASSERT_TRUE(form.CanUndoCard());
  form.CardUndoClick();
  EXPECT_EQ(form.CardNo, 5);
  EXPECT_EQ(form.AnimState, 1000);
  EXPECT_TRUE(Wish().ReadOnly());
  EXPECT_EQ(LastSoundNo(), 4);
  EXPECT_FALSE(form.NewFortune);
  RunToIdle();
  form.CardUndoClick();
  EXPECT_EQ(form.CardNo, 9);
  EXPECT_FALSE(form.IsCardSeen(9));  // undo marks nothing
}

TEST_F(HistoryTest, ReplayIsOfferedUnlessTheSavedCardAndWishAreBothOnShow) {
  EXPECT_FALSE(form.CanReplayFortune());  // nothing saved
  form.SavedCardNum = 7;
  form.SavedWish = "abc";
  EXPECT_TRUE(form.CanReplayFortune());
  form.CardNo = 7;
  Wish().Type("abc");
  EXPECT_FALSE(form.CanReplayFortune());
  Wish().Type("abcd");
  EXPECT_TRUE(form.CanReplayFortune());
}

TEST_F(HistoryTest, ReplayShowsTheSavedCardAndWishWithoutCountingAsAFortune) {
  form.SavedCardNum = 12;
  form.SavedWish = "old wish";
  form.NewFortune = true;
  form.PopSaigenClick();
  EXPECT_EQ(form.CardNo, 12);
  EXPECT_FALSE(form.NewFortune);
  EXPECT_EQ(form.AnimState, 999);
  EXPECT_EQ(Wish().Text(), "old wish");
  EXPECT_EQ(Wish().SelStart(), 8);
  EXPECT_TRUE(Wish().ReadOnly());
  EXPECT_EQ(form.ButtonTable[BtnFortune].State, 0);  // the restored text enables nothing
  EXPECT_EQ(LastSoundNo(), 2);
  const std::vector<int> states = RunToIdle();
  EXPECT_EQ(states.front(), 999);
  EXPECT_EQ(states.size(), 21u);
  EXPECT_FALSE(form.IsCardSeen(12));  // an unseen saved card is replayed as unseen
}

TEST_F(HistoryTest, NextResumeTogglesItsOptionAndCheck) {
  form.NextResumeClick();
  EXPECT_TRUE(form.ResumeOk);
  EXPECT_TRUE(screen.popupMenu->Checked("NextResume"));
  EXPECT_EQ(LastSoundNo(), 10);
  form.NextResumeClick();
  EXPECT_FALSE(screen.popupMenu->Checked("NextResume"));
}

}  // namespace
}  // namespace lv
