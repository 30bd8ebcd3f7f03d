// The card's labels: their look, their texts, the web page button and the creator view.
#include <gtest/gtest.h>

#include "assets/my_sys_u.h"
#include "platform/cp932.h"
#include "tests/card_fixtures.h"

namespace lv {
namespace {

using CardLabelsTest = test::CreatedWindowTest;

TEST_F(CardLabelsTest, LabelsHaveTheirPlacesFontsAndColours) {
  const std::string gothic = Utf8ToCp932("ＭＳ ゴシック");
  struct Case {
    const std::unique_ptr<ILabel>& label;
    TRect bounds;
    TAlignment alignment;
    bool wordWrap;
    int cellHeight;
    TColor textColor;
  } cases[] = {
      {form.LabelNo, {445, 290, 495, 302}, TAlignment::Centre, false, 12, 0},
      {form.LabelTittle, {439, 303, 715, 327}, TAlignment::Centre, false, 24, MakeColor(42, 50, 42)},
      {form.LabelCreator, {463, 378, 691, 390}, TAlignment::Centre, false, 12, 0},
      {form.LabelKaisetu, {463, 398, 691, 519}, TAlignment::Left, true, 12, 0},
  };
  for (const Case& c : cases) {
    const headless::Label& label = LabelOf(c.label);
    EXPECT_EQ(label.Bounds(), c.bounds) << c.bounds.Left;
    EXPECT_EQ(label.alignment, c.alignment) << c.bounds.Left;
    EXPECT_EQ(label.wordWrap, c.wordWrap) << c.bounds.Left;
    EXPECT_EQ(label.Font().Name, gothic) << c.bounds.Left;
    EXPECT_EQ(label.Font().Height, c.cellHeight) << c.bounds.Left;
    EXPECT_EQ(label.Font().Color, c.textColor) << c.bounds.Left;
    EXPECT_EQ(label.BackColor(), MakeColor(128, 195, 139)) << c.bounds.Left;
  }
  EXPECT_EQ(form.Memo1->BackColor(), MakeColor(128, 195, 139));
  EXPECT_FALSE(form.LabelCreator->Visible());
}

TEST_F(CardLabelsTest, AnUnseenCardKeepsItsNumberButHidesItsTitleAndExplanation) {
  form.CardTable = test::CardTableWith({{0, {"", "", "welcome"}}, {7, {"", "Seven", "about seven"}}});
  const std::string unseenTitle = Utf8ToCp932("？？？");
  const std::string unseenText = Utf8ToCp932("未見のカードです。『占い実行』か『ランダム』で探し当てて下さい☆");
  struct Case {
    int card;
    bool seen;
    std::string number, title, explanation;
  } cases[] = {{0, false, "CARD.000", "", "welcome"},
               {7, false, "CARD.007", unseenTitle, unseenText},
               {7, true, "CARD.007", "Seven", "about seven"}};
  for (const Case& c : cases) {
    form.MarkCardUnseen(0, true);
    if (c.seen) form.MarkCardSeen(c.card, false);
    form.ShowCardTexts(c.card);
    EXPECT_EQ(form.LabelNo->Caption(), c.number);
    EXPECT_EQ(form.LabelTittle->Caption(), c.title) << c.card << c.seen;
    EXPECT_EQ(form.LabelKaisetu->Caption(), c.explanation) << c.card << c.seen;
  }
}

TEST_F(CardLabelsTest, ShowingTheLabelsEnablesTheWebPageButtonOnlyForACardWithAnAddress) {
  form.CardTable = test::CardTableWith({{3, {"", "", "", "", "https://x.org/"}}});
  struct Case {
    int card;
    bool visible;
    int homePageState;
  } cases[] = {{3, true, 1}, {4, true, 0}, {3, false, 0}};  // hiding leaves the button alone
  for (const Case& c : cases) {
    form.CardNo = c.card;
    form.ShowCardLabels(c.visible);
    for (ILabel* label : {form.LabelNo.get(), form.LabelTittle.get(), form.LabelKaisetu.get()})
      EXPECT_EQ(label->Visible(), c.visible);
    EXPECT_EQ(form.ButtonTable[BtnHomePage].State, c.homePageState) << c.card << c.visible;
  }
  EXPECT_FALSE(form.LabelCreator->Visible());
}

// The bytes of the last sound played, or null when none was.
const std::uint8_t* LastSound(const headless::SoundOutput& sound) {
  return sound.played.empty() ? nullptr : sound.played.back().data;
}

TEST_F(CardLabelsTest, CreatorViewShowsTheNameAndCommentAndSpeaksOnlyAValidVoiceCode) {
  struct Case {
    std::string creatorLine;
    bool transformed;
    int voice;  // 0: no voice at all
    std::string comment;
  } cases[] = {
      {"00Mira", false, 14, "plain"},
      {"26Mira", true, 40, "dawn"},
      {"27Mira", false, 0, "plain"},  // beyond the creator voices
      {"-1Mira", false, 0, "plain"},  // would be the A13 sound
      {"xyMira", false, 0, "plain"},
  };
  for (const Case& c : cases) {
    form.CardTable = test::CardTableWith({{9, {"", "Nine", "about nine", c.creatorLine, "", "plain", "dawn"}}});
    form.Transformed = c.transformed;
    platform.sound.played.clear();
    form.ShowCreator(9);
    EXPECT_EQ(form.LabelCreator->Caption(), "Mira") << c.creatorLine;
    EXPECT_TRUE(form.LabelCreator->Visible());
    EXPECT_EQ(form.LabelKaisetu->Caption(), c.comment) << c.creatorLine;
    EXPECT_EQ(form.ButtonTable[BtnKaisetuPlate].State, 1);
    EXPECT_EQ(LastSound(platform.sound), c.voice ? form.SoundBank[c.voice].Data : nullptr) << c.creatorLine;
  }
}

TEST_F(CardLabelsTest, EndingTheCreatorViewShowsTheExplanationAlsoOfAnUnseenCard) {
  form.CardTable = test::CardTableWith({{9, {"", "Nine", "about nine", "00Mira", "", "plain"}}});
  form.ShowCardTexts(9);
  form.ShowCreator(9);
  form.HideCreator(9);
  EXPECT_FALSE(form.LabelCreator->Visible());
  EXPECT_EQ(form.ButtonTable[BtnKaisetuPlate].State, 0);
  EXPECT_EQ(form.LabelKaisetu->Caption(), "about nine");
  EXPECT_EQ(form.LabelTittle->Caption(), Utf8ToCp932("？？？"));
}

}  // namespace
}  // namespace lv
