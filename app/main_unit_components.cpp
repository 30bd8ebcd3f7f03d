// The window design: the components of the main window with their places and looks.
#include "app/main_unit.h"
#include "platform/cp932.h"

namespace lv {

namespace {

TRect Box(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// The popup menu, top to bottom; captions are UTF-8 here and CP932 in the menu.
std::vector<TMenuItemSpec> PopupMenuItems() {
  std::vector<TMenuItemSpec> items = {
      {"PopCenter", "中央に配置する(&C)"},
      {"MStayOnTop", "常に一番上に配置する(&T)"},
      {"MuteOnChange", "音声を消す(&M)"},
      {"N3", "-"},
      {"FezPenBlackChange", "羽根ペンを黒くする(&B)"},
      {"FezPenDownChange", "羽根ペンを下向きにする(&D)"},
      {"LightShowChange", "光効果を絵の上でも表示する(&L)"},
      {"LightPointChange", "光効果の発生点を中央に配置する(&P)"},
      {"N4", "-"},
      {"MascotSokudoD", "ちびアニメのスピード(&S)"},
  };
  const char* speeds[] = {"0 最高速(&0)", "1 速い(&1)", "2 速い(&2)", "3 標準速(&3)", "4 遅い(&4)",
                          "5 遅い(&5)",   "6 遅い(&6)", "7 超遅(&7)", "8 超遅(&8)",   "9 最低速(&9)"};
  for (int tag = 0; tag <= 9; ++tag)
    items.push_back({"MascotSpChg" + std::to_string(tag), speeds[tag], "MascotSokudoD", true, tag});
  const std::vector<TMenuItemSpec> rest = {
      {"NoMascotChg", "ちびアニメ許可(&A) + クリックボイス変更"},
      {"NoHartGaugeChg", "ときめきハートゲージを隠す(&G)"},
      {"N1", "-"},
      {"CardUndo", "直前のカードを再表示する(&U)"},
      {"PopSaigen", "前回起動時の最後の占いを再現する(&R)"},
      {"NextResume", "次回起動時に最後の占いを再現する(&N)"},
      {"N2", "-"},
      {"WallMakeClick", "壁紙作成(&W)"},
  };
  items.insert(items.end(), rest.begin(), rest.end());
  for (TMenuItemSpec& item : items) item.Caption = Utf8ToCp932(item.Caption);
  return items;
}

}  // namespace

void TVeyraFM::CreateComponents() {
  form_ = platform_.Application().CreateForm();
  form_->SetClientSize(kFormWidth, kFormHeight);
  form_->SetPosition(135, 98);

  const TFontSpec gothic12{Utf8ToCp932("ＭＳ ゴシック"), -12, 0};
  const TFontSpec gothic24{Utf8ToCp932("ＭＳ ゴシック"), -24, 0};
  LabelNo = form_->CreateLabel(Box(445, 290, 50, 12), TAlignment::Centre, false);
  LabelNo->SetFont(gothic12);
  LabelNo->SetCaption("CARD.000");
  LabelKaisetu = form_->CreateLabel(Box(463, 398, 228, 121), TAlignment::Left, true);
  LabelKaisetu->SetFont(gothic12);
  LabelKaisetu->SetCaption(Utf8ToCp932("今あなたに今あなたに今あなたに今あなたに"));
  LabelTittle = form_->CreateLabel(Box(439, 303, 276, 24), TAlignment::Centre, false);
  LabelTittle->SetFont(gothic24);
  LabelTittle->SetCaption(Utf8ToCp932("速力"));
  LabelCreator = form_->CreateLabel(Box(463, 378, 228, 12), TAlignment::Centre, false);
  LabelCreator->SetFont(gothic12);
  LabelCreator->SetCaption("Creator Name");
  LabelCreator->SetVisible(false);

  Memo1 = form_->CreateMemo(Box(463, 82, 228, 121));
  Memo1->SetFont(gothic12);
  Memo1->SetMaxLength(380);
  Memo1->SetReadOnly(true);
  Memo1->SetVisible(false);

  Timer1 = form_->CreateTimer();
  Timer1->SetInterval(10);
  Timer1->SetEnabled(true);

  PopupMenu1 = form_->CreatePopupMenu(PopupMenuItems());
}

void TVeyraFM::BindEvents() {
  TFormEvents events;
  events.OnPaint = [this] { FormPaint(); };
  events.OnMouseDown = [this](const ILabel* sender, TMouseButton button, TShiftState shift, int x, int y) {
    FormMouseDown(sender, button, shift, x, y);
  };
  events.OnMouseMove = [this](const ILabel* sender, TShiftState shift, int x, int y) {
    FormMouseMove(sender, shift, x, y);
  };
  events.OnMouseUp = [this](const ILabel* sender, TMouseButton button, TShiftState shift, int x, int y) {
    FormMouseUp(sender, button, shift, x, y);
  };
  events.OnKeyDown = [this](std::uint16_t& key, TShiftState shift) { FormKeyDown(key, shift); };
  form_->SetEvents(std::move(events));
  Memo1->OnChange = [this] { Memo1Change(); };
  Memo1->OnMouseDown = [this](TMouseButton button, TShiftState shift, int x, int y) {
    Memo1MouseDown(button, shift, x, y);
  };
  Timer1->OnTimer = [this] { Timer1Timer(); };
}

}  // namespace lv
