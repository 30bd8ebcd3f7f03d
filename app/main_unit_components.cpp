// The window design: the components of the main window with their places and looks.
#include "app/main_unit.h"
#include "platform/cp932.h"

namespace lv {

namespace {

TRect Box(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

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
}

void TVeyraFM::BindEvents() {
  TFormEvents events;
  events.OnPaint = [this] { FormPaint(); };
  form_->SetEvents(std::move(events));
}

}  // namespace lv
