// What presses, releases and keys do: the first matching test decides, and nothing
// is taken while a sequence runs.
#include <gtest/gtest.h>

#include "assets/card_table.h"
#include "platform/cp932.h"
#include "tests/card_fixtures.h"

namespace lv {
namespace {

class DispatchTest : public test::CreatedWindowTest {
 protected:
  void Press(TMouseButton button, int x, int y, TShiftState shift = 0) {
    form.FormMouseDown(nullptr, button, shift, x, y);
  }
  void Release(int x, int y) { form.FormMouseUp(nullptr, TMouseButton::mbLeft, 0, x, y); }
  void Key(std::uint16_t key, TShiftState shift = 0) { form.FormKeyDown(key, shift); }
  headless::Memo& Wish() { return *screen.memo; }
};

TEST_F(DispatchTest, APressActsByThePointAndTheButtonsState) {
  const int creatorVoice = 14 + ParseCreatorLine(CardLine(form.CardTable, 0, RoleCreator)).VoiceCode.value();
  struct Case {
    const char* what;
    TMouseButton button;
    int x, y;
    int fortuneState, transformState;
    int animState, sound;
  } cases[] = {
      {"middle press on a button drags", TMouseButton::mbMiddle, 480, 240, 1, 0, 1, 9},
      {"greyed fortune button", TMouseButton::mbLeft, 480, 240, 0, 0, 0, 0},
      {"fortune button", TMouseButton::mbLeft, 480, 240, 1, 0, 1000, 2},
      {"random button", TMouseButton::mbLeft, 590, 240, 0, 0, 1000, 3},
      {"creator button holds", TMouseButton::mbLeft, 470, 560, 0, 0, 3, creatorVoice},
      {"web page button", TMouseButton::mbLeft, 620, 560, 0, 0, 550, 10},
      {"absent transform button lets the press through", TMouseButton::mbLeft, 700, 240, 0, 0, 1, 9},
      {"transform button", TMouseButton::mbLeft, 700, 240, 0, 3, 1000, 2},
      {"arrow button", TMouseButton::mbLeft, 550, 10, 0, 0, 0, 0},
      {"bare window drags", TMouseButton::mbLeft, 420, 50, 0, 0, 1, 9},
      {"right press", TMouseButton::mbRight, 420, 50, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    form.AnimState = 0;
    form.CardNo = 0;
    form.ButtonTable[BtnFortune].State = c.fortuneState;
    form.ButtonTable[BtnHomePage].State = 1;
    form.ButtonTable[BtnTransform].State = c.transformState;
    ForgetSounds();
    Press(c.button, c.x, c.y);
    EXPECT_EQ(form.AnimState, c.animState) << c.what;
    EXPECT_EQ(LastSoundNo(), c.sound) << c.what;
    EXPECT_EQ(form.DownX, c.x) << c.what;
  }
}

TEST_F(DispatchTest, WindowControlsCloseAndMinimise) {
  Press(TMouseButton::mbLeft, 680, 20);
  EXPECT_EQ(platform.app.minimizeCount, 1);
  EXPECT_FALSE(screen.closed);
  Press(TMouseButton::mbLeft, 720, 15);
  EXPECT_TRUE(form.Closing);
  EXPECT_TRUE(screen.closed);
  ForgetSounds();
  Press(TMouseButton::mbLeft, 420, 50);  // closing: nothing more is taken
  EXPECT_EQ(form.AnimState, 0);
  EXPECT_EQ(LastSoundNo(), 0);
}

TEST_F(DispatchTest, NothingIsTakenWhileASequenceRuns) {
  form.DownX = 7;
  form.AnimState = 1001;
  ForgetSounds();
  Press(TMouseButton::mbLeft, 420, 50);
  Press(TMouseButton::mbMiddle, 420, 50);
  Key(vk::Escape);
  EXPECT_EQ(form.DownX, 7);
  Release(420, 50);
  EXPECT_EQ(form.AnimState, 1001);
  EXPECT_EQ(LastSoundNo(), 0);
}

TEST_F(DispatchTest, ReleaseEndsTheHoldStates) {
  Press(TMouseButton::mbLeft, 420, 50);
  Release(425, 55);
  EXPECT_EQ(form.AnimState, 0);
  EXPECT_EQ(LastSoundNo(), 10);
  EXPECT_EQ(form.DownX, 425);

  Press(TMouseButton::mbLeft, 470, 560);
  ASSERT_EQ(form.AnimState, 3);
  EXPECT_TRUE(form.LabelCreator->Visible());
  EXPECT_EQ(form.ButtonTable[BtnCreator].State, 2);
  Release(470, 560);
  EXPECT_EQ(form.AnimState, 0);
  EXPECT_FALSE(form.LabelCreator->Visible());
  EXPECT_EQ(form.ButtonTable[BtnCreator].State, 1);
}

TEST_F(DispatchTest, TheWindowFollowsTheDragByTheMouseOffset) {
  const int left = screen.Left(), top = screen.Top();
  Press(TMouseButton::mbLeft, 420, 50);
  form.FormMouseMove(nullptr, 0, 430, 45);
  EXPECT_EQ(screen.Left(), left + 10);
  EXPECT_EQ(screen.Top(), top - 5);
  EXPECT_EQ(form.DownX, 420);
  Release(430, 45);
  form.FormMouseMove(nullptr, 0, 500, 100);  // no drag after the release
  EXPECT_EQ(screen.Left(), left + 10);
}

// A label reports its own coordinates; they are taken as the window point below
// the label, so a press on the explanation text never lands somewhere else.
TEST_F(DispatchTest, APressOnALabelActsAtThatPointOfTheWindow) {
  const TRect label = form.LabelKaisetu->Bounds();
  form.FormMouseDown(form.LabelKaisetu.get(), TMouseButton::mbLeft, 0, 5, 5);
  EXPECT_EQ(form.DownX, label.Left + 5);
  EXPECT_EQ(form.DownY, label.Top + 5);
  EXPECT_EQ(form.AnimState, 1);
  const int left = screen.Left();
  form.FormMouseMove(form.LabelKaisetu.get(), 0, 8, 5);
  EXPECT_EQ(screen.Left(), left + 3);
}

TEST_F(DispatchTest, KeysOutsideTheIndex) {
  struct Case {
    const char* what;
    std::uint16_t key;
    TShiftState shift;
    int fortuneState;
    int animState, sound;
    bool wishCleared;
  } cases[] = {
      {"Enter presses the fortune button", vk::Return, 0, 1, 1000, 2, false},
      {"Enter with the button greyed does nothing", vk::Return, 0, 0, 0, 0, false},
      {"Escape clears the wish", vk::Escape, 0, 0, 0, 7, true},
      {"Escape clears the wish with Ctrl held", vk::Escape, ssCtrl, 0, 0, 7, true},
      {"a letter goes to the wish box", 'A', 0, 1, 0, 0, false},
      {"an arrow key goes to the wish box", vk::Left, 0, 1, 0, 0, false},
  };
  for (const Case& c : cases) {
    form.AnimState = 0;
    Wish().SetReadOnly(false);
    Wish().Type("abc");
    form.ButtonTable[BtnFortune].State = c.fortuneState;
    ForgetSounds();
    Key(c.key, c.shift);
    EXPECT_EQ(form.AnimState, c.animState) << c.what;
    EXPECT_EQ(LastSoundNo(), c.sound) << c.what;
    EXPECT_EQ(Wish().Text().empty(), c.wishCleared) << c.what;
  }
}

TEST_F(DispatchTest, OnlyTheUsersEditEnablesTheFortuneButton) {
  ASSERT_EQ(form.ButtonTable[BtnFortune].State, 0);
  Wish().SetReadOnly(true);
  Wish().SetText("restored");
  EXPECT_EQ(form.ButtonTable[BtnFortune].State, 0);
  Wish().SetReadOnly(false);
  Wish().Type("typed");
  EXPECT_EQ(form.ButtonTable[BtnFortune].State, 1);
  EXPECT_EQ(screen.Canvas().Pixel(471 + 50, 233 + 20),
            form.ButtonBmp.Pixel(103 + 50, 74 + 20));  // drawn in its normal look
}

TEST_F(DispatchTest, ARightPressInTheWishBoxOnlySounds) {
  Wish().OnMouseDown(TMouseButton::mbRight, 0, 10, 10);
  EXPECT_EQ(LastSoundNo(), 11);
  ForgetSounds();
  Wish().OnMouseDown(TMouseButton::mbLeft, 0, 10, 10);
  EXPECT_EQ(LastSoundNo(), 0);
}

}  // namespace
}  // namespace lv
