// The card on show and the one before it, undo, and the replay of the last fortune
// of an earlier run.
#include "app/main_unit.h"
#include "assets/my_sys_u.h"

namespace lv {

// The title card 0 is never remembered as the previous card, and choosing the card
// already shown keeps the previous one.
void TVeyraFM::SetCardNo(int n) {
  if (CardNo != 0 && n != CardNo) PrevCardNo = CardNo;
  CardNo = n;
}

// Shows the previous card again; a second undo goes back to the card it left.
void TVeyraFM::CardUndoClick() {
  SwapInt(CardNo, PrevCardNo);
  AnimState = CardTurn;
  Memo1->SetReadOnly(true);
  PlaySoundNo(4);
}

// Replays the saved fortune: its card, its light point and its wish. The replay is
// not a new fortune, so what is saved at exit stays as it was.
void TVeyraFM::PopSaigenClick() {
  SetCardNo(SavedCardNum);
  NewFortune = false;
  AnimState = ReplayTurn;
  Memo1->SetReadOnly(true);
  RestoreWish();
  PlaySoundNo(2);
}

void TVeyraFM::NextResumeClick() {
  SetResumeOk(!ResumeOk);
  PlaySoundNo(10);
}

void TVeyraFM::SetResumeOk(bool value) {
  ResumeOk = value;
  PopupMenu1->SetChecked("NextResume", value);
}

bool TVeyraFM::CanUndoCard() const { return PrevCardNo != 0 && PrevCardNo != CardNo; }

// The saved fortune can be replayed unless its card and its wish are both on show.
bool TVeyraFM::CanReplayFortune() const {
  return SavedCardNum != 0 && (CardNo != SavedCardNum || Memo1->Text() != SavedWish);
}

// Runs while the wish box is read-only, so the restored text does not enable the
// fortune button: only the user's own edit does.
void TVeyraFM::RestoreWish() {
  Memo1->SetText(SavedWish);
  Memo1->SetSelStart(static_cast<int>(Memo1->Text().size()));
}

}  // namespace lv
