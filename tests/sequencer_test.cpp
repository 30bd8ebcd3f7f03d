// The step clock and the sequences it drives, above all the card turn.
#include <gtest/gtest.h>

#include "platform/cp932.h"
#include "tests/card_fixtures.h"

namespace lv {
namespace {

class SequencerTest : public test::CreatedWindowTest {
 protected:
  bool CardLabelsVisible() const {
    return form.LabelNo->Visible() && form.LabelTittle->Visible() && form.LabelKaisetu->Visible();
  }
  bool CardLabelsHidden() const {
    return !form.LabelNo->Visible() && !form.LabelTittle->Visible() && !form.LabelKaisetu->Visible();
  }
  TBitmap FaceOnScreen() const { return test::Crop(screen.Canvas(), 36, 48, 340, 500); }
};

const std::vector<int> kCardTurnStates = {1000, 1001, 1002, 1003, 2000, 2001, 2002, 2003, 2004, 2005, 2006,
                                          3000, 3001, 3002, 3003, 4000, 4001, 4002, 4003, 4004, 4005};

// The index-mode pause advances one state per step, which makes every step visible.
TEST_F(SequencerTest, StepsAtMostOncePerEventAndOnlyAfter55MillisecondsAlsoAcrossTheWrap) {
  form.AnimState = IndexOpen;
  struct Case {
    std::uint32_t tick;
    int state;
  } cases[] = {
      {100000, 501},                // the first event steps
      {100054, 501},                // 54 ms later: too early
      {100055, 502},                // 55 ms: a step
      {100109, 502},
      {0xFFFFFFF0u, 503},           // long after: one step, not a catch-up
      {0x00000026u, 503},           // 54 ms later across the wrap
      {0x00000027u, 504},           // 55 ms across the wrap
  };
  for (const Case& c : cases) {
    FireAt(c.tick);
    EXPECT_EQ(form.AnimState, c.state) << std::hex << c.tick;
  }
}

TEST_F(SequencerTest, TheOpeningVoicePlaysOnTheFirstEventOnly) {
  FireAt(100000);
  ASSERT_EQ(platform.sound.played.size(), 1u);
  EXPECT_EQ(platform.sound.played[0].data, form.SoundBank[1].Data);
  FireAt(100020);  // no step
  Step();
  EXPECT_EQ(platform.sound.played.size(), 1u);
}

TEST_F(SequencerTest, ACardTurnVisitsItsStatesAndShowsTheNewCardWithItsLabelsAtTheEnd) {
  form.CardNo = 5;
  form.MarkCardSeen(5, false);
  form.AnimState = CardTurn;
  form.Memo1->SetReadOnly(true);
  std::vector<int> visited;
  while (form.AnimState != Idle && visited.size() < 100) {
    const int state = visited.emplace_back(form.AnimState);
    screen.invalidated.clear();
    Step();
    // Every step but the rest with the back shown redraws the card rectangle; the
    // first one takes the sparkles off the window before.
    std::vector<TRect> drawn = {{32, 44, 380, 552}};
    if (state == CardTurn) drawn.insert(drawn.begin(), form.Light.Square());
    if (state != 2006 && state != 4005) EXPECT_EQ(screen.invalidated, drawn) << state;
    if (state == 2006) EXPECT_TRUE(screen.invalidated.empty());
    if (state < 2005) EXPECT_TRUE(CardLabelsVisible()) << state;
    if (state >= 2005 && state < 4005) EXPECT_TRUE(CardLabelsHidden()) << state;
  }
  EXPECT_EQ(visited, kCardTurnStates);
  EXPECT_TRUE(CardLabelsVisible());
  EXPECT_EQ(form.LabelTittle->Caption(), CardLine(form.CardTable, 5, RoleTitle));
  EXPECT_EQ(form.LabelNo->Caption(), "CARD.005");
  EXPECT_TRUE(form.CardFace == test::EmbeddedJpg("C005"));
  EXPECT_TRUE(FaceOnScreen() == form.CardFace);
  EXPECT_FALSE(form.Memo1->ReadOnly());
  EXPECT_EQ(form.SeenCount, 1);
}

TEST_F(SequencerTest, AnUnseenCardTurnsUpAsTheTitlePictureWithItsOwnNumber) {
  form.CardNo = 7;
  form.AnimState = CardTurn;
  RunToIdle();
  EXPECT_TRUE(FaceOnScreen() == test::EmbeddedJpg("C000"));
  EXPECT_EQ(form.LabelNo->Caption(), "CARD.007");
  EXPECT_EQ(form.LabelTittle->Caption(), Utf8ToCp932("？？？"));
  EXPECT_EQ(form.LabelKaisetu->Caption(),
            Utf8ToCp932("未見のカードです。『占い実行』か『ランダム』で探し当てて下さい☆"));
}

// Card 1 has a transformed face in the shipped deck.
TEST_F(SequencerTest, TransformTurnsSwitchTheFaceBackAndForthAndLeaveTheLabelsAlone) {
  form.MarkCardSeen(0, true);
  form.CountSeenCards();
  form.CardNo = 1;
  form.ShowCardTexts(1);
  form.DrawAllButtons();
  ASSERT_EQ(form.ButtonTable[BtnTransform].State, 3);
  const std::string title = form.LabelTittle->Caption(), text = form.LabelKaisetu->Caption();
  const TBitmap back = form.CardBack;
  struct Case {
    const char* face;
    bool transformed;
    int buttonAfter;
  } cases[] = {{"HC001", true, 1}, {"C001", false, 3}};
  for (const Case& c : cases) {
    platform.sound.played.clear();
    form.StartTransform();
    EXPECT_EQ(form.AnimState, CardTurn);
    EXPECT_TRUE(form.Memo1->ReadOnly());
    EXPECT_EQ(form.ButtonTable[BtnTransform].State, 2);
    ASSERT_EQ(platform.sound.played.size(), 1u);
    EXPECT_EQ(platform.sound.played[0].data, form.SoundBank[2].Data);
    while (form.AnimState != Idle) {
      Step();
      ASSERT_TRUE(CardLabelsVisible()) << form.AnimState;
      ASSERT_EQ(form.LabelTittle->Caption(), title);
      ASSERT_EQ(form.LabelKaisetu->Caption(), text);
    }
    EXPECT_TRUE(FaceOnScreen() == test::EmbeddedJpg(c.face)) << c.face;
    EXPECT_TRUE(form.CardBack == back);
    EXPECT_EQ(form.Transformed, c.transformed);
    EXPECT_FALSE(form.TransformFlip);
    EXPECT_EQ(form.ButtonTable[BtnTransform].State, c.buttonAfter);
  }
}

TEST_F(SequencerTest, AnOrdinaryTurnAndTheReplayStartWithTheNormalFace) {
  for (int start : {ReplayTurn, CardTurn}) {
    form.Transformed = true;
    form.AnimState = start;
    Step();
    EXPECT_FALSE(form.Transformed) << start;
    EXPECT_EQ(form.AnimState, 1001) << start;
  }
}

TEST_F(SequencerTest, PausesEndAfterEightStepsWithTheButtonsReleased) {
  for (int start : {IndexOpen, LinkOpen}) {
    form.DrawButton(BtnRandom, 2);
    form.AnimState = start;
    EXPECT_EQ(RunToIdle().size(), 8u) << start;
    EXPECT_EQ(form.ButtonTable[BtnRandom].State, 1) << start;
  }
}

TEST_F(SequencerTest, HoldStatesStayAndShowOnlyTheSparklesUnknownStatesDrawNothing) {
  for (int state : {0, 1, 2, 3, -1, 4, 99, 499, 508, 549, 558, 998, 1004, 1999, 2007, 2999, 3004, 3999, 4006}) {
    form.AnimState = state;
    screen.invalidated.clear();
    Step();
    EXPECT_EQ(form.AnimState, state);
    const std::vector<TRect> sparkles = {form.Light.Square()};
    EXPECT_EQ(screen.invalidated, state >= Idle && state <= CreatorHold ? sparkles : std::vector<TRect>{})
        << state;
  }
}

}  // namespace
}  // namespace lv
