// The card's labels beside the picture: number, title, explanation, and the creator
// with their comment while the creator button is held.
#include <optional>

#include "app/main_unit.h"
#include "assets/card_table.h"
#include "assets/my_sys_u.h"
#include "platform/cp932.h"

namespace lv {

namespace {

constexpr int SmallCellHeight = 12;
constexpr int TitleCellHeight = 24;
constexpr int FirstCreatorVoice = kSoundCountA + 1;  // sound "B00"

// The window design gives character heights; the labels take these numbers as
// cell heights, so their text comes out slightly smaller than designed.
void SetLabelLookOf(ILabel& label, int cellHeight, std::optional<TColor> textColor = std::nullopt) {
  TFontSpec font = label.Font();
  font.Height = cellHeight;
  if (textColor) font.Color = *textColor;
  label.SetFont(font);
  label.SetBackColor(LabelBackColor);
}

const std::string& UnseenTitle() {
  static const std::string text = Utf8ToCp932("？？？");
  return text;
}

const std::string& UnseenExplanation() {
  static const std::string text =
      Utf8ToCp932("未見のカードです。『占い実行』か『ランダム』で探し当てて下さい☆");
  return text;
}

}  // namespace

void TVeyraFM::SetLabelLook() {
  SetLabelLookOf(*LabelNo, SmallCellHeight);
  SetLabelLookOf(*LabelTittle, TitleCellHeight, TitleTextColor);
  SetLabelLookOf(*LabelCreator, SmallCellHeight);
  SetLabelLookOf(*LabelKaisetu, SmallCellHeight);
  Memo1->SetBackColor(LabelBackColor);
}

// A fortune card not yet seen keeps its number but hides its title and explanation.
void TVeyraFM::ShowCardTexts(int number) {
  LabelNo->SetCaption("CARD." + ZeroPad(number, 3));
  if (number > 0 && !IsCardSeen(number)) {
    LabelTittle->SetCaption(UnseenTitle());
    LabelKaisetu->SetCaption(UnseenExplanation());
    return;
  }
  LabelTittle->SetCaption(CardLine(CardTable, number, RoleTitle));
  LabelKaisetu->SetCaption(GetCardExplanation(number));
}

// Showing the labels also tells whether the card's creator has a web page.
void TVeyraFM::ShowCardLabels(bool visible) {
  for (ILabel* label : {LabelNo.get(), LabelTittle.get(), LabelKaisetu.get()}) label->SetVisible(visible);
  if (visible) DrawButton(BtnHomePage, CardLine(CardTable, CardNo, RoleWebAddress).empty() ? 0 : 1);
}

std::string TVeyraFM::GetCardExplanation(int number) const {
  return CardLine(CardTable, number, RoleExplanation);
}

// A creator line without a valid voice code shows its name and plays nothing.
void TVeyraFM::ShowCreator(int number) {
  DrawButton(BtnKaisetuPlate, 1);
  const TCreatorLine creator = ParseCreatorLine(CardLine(CardTable, number, RoleCreator));
  LabelCreator->SetCaption(creator.Name);
  LabelCreator->SetVisible(true);
  LabelKaisetu->SetCaption(CreatorComment(CardTable, number, Transformed));
  if (creator.VoiceCode) PlaySoundNo(FirstCreatorVoice + *creator.VoiceCode);
}

void TVeyraFM::HideCreator(int number) {
  LabelCreator->SetVisible(false);
  DrawButton(BtnKaisetuPlate, 0);
  LabelKaisetu->SetCaption(GetCardExplanation(number));
}

}  // namespace lv
