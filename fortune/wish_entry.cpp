// The wish box and the two commands that choose a card: the fortune from the wish
// and the random draw.
#include <cmath>

#include "app/main_unit.h"
#include "fortune/divination.h"

namespace lv {

int TVeyraFM::DivineCard() { return DivineCardFromBytes(Memo1->Text(), Fate); }

int TVeyraFM::Today() const { return static_cast<int>(std::floor(platform_.Clock().Now())); }

void TVeyraFM::UpdateFate() {
  const TFate renewed = lv::UpdateFate(Fate, OldDate, MemDate, Today(), Rng);
  Fate = renewed.Fate;
  OldDate = renewed.OldDate;
}

// What every command that chooses a card does once the card is set: the card
// counts as seen from now on, the turn starts and the wish is held still while it
// runs.
void TVeyraFM::MarkChosenCard() {
  MarkCardSeen(CardNo, false);
  NewFortune = true;
  AnimState = CardTurn;
  Memo1->SetReadOnly(true);
}

void TVeyraFM::StartFortune() {
  DrawButton(BtnFortune, 2);
  SetCardNo(DivineCard());
  MarkChosenCard();
  PlaySoundNo(2);
}

// Any fortune card may come up, the one on show included. Now and then the
// generator takes in fresh entropy from the clock.
void TVeyraFM::StartRandomDraw() {
  DrawButton(BtnRandom, 2);
  if (Rng.Random(8) == 0) Rng.Randomize(platform_.Clock().Entropy());
  SetCardNo(Rng.Random(CardMax) + 1);
  MarkChosenCard();
  PlaySoundNo(3);
}

// Only the user's own edits enable the fortune button: text set while the box is
// read-only (a restored wish) does not.
void TVeyraFM::Memo1Change() {
  if (!Memo1->ReadOnly() && !Closing) EnableFortuneButton(true);
}

// The box keeps its own edit menu; the right press only sounds.
void TVeyraFM::Memo1MouseDown(TMouseButton button, TShiftState, int, int) {
  if (button == TMouseButton::mbRight) PlaySoundNo(11);
}

}  // namespace lv
