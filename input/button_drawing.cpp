// Showing the buttons in their looks and changing looks for the other subsystems.
#include "app/main_unit.h"

namespace lv {

void TVeyraFM::DrawButton(int index, int state) {
  TButtonDat& b = ButtonTable[index];
  b.State = state;
  CopyToBackBuffer(ButtonBmp, b.SrcX + b.Width * state, b.SrcY, b.Width, b.Height, b.X, b.Y, true);
}

// Every entry in its present state, from the plates up; the transform button's state
// is decided anew by the collection.
void TVeyraFM::DrawAllButtons() {
  for (int i = ButtonMin; i <= ButtonMax; ++i) {
    if (i == BtnTransform)
      UpdateTransformButton();
    else
      DrawButton(i, ButtonTable[i].State);
  }
}

// A sequence started by a press ends: pressed buttons come back up. The fortune
// button goes back to off, so the same wish is not divined twice without an edit;
// the transform button is left to the collection, which decides its look next.
void TVeyraFM::ReleaseButtons() {
  for (int i = 0; i <= ButtonMax; ++i) {
    if (ButtonTable[i].State != 2 || i == BtnTransform) continue;
    DrawButton(i, i == BtnFortune ? 0 : 1);
  }
}

void TVeyraFM::EnableFortuneButton(bool draw) {
  if (ButtonTable[BtnFortune].State == 1) return;
  ButtonTable[BtnFortune].State = 1;
  if (draw) DrawButton(BtnFortune, 1);
}

void TVeyraFM::DisableFortuneButton(bool draw) {
  if (ButtonTable[BtnFortune].State == 0) return;
  ButtonTable[BtnFortune].State = 0;
  if (draw) DrawButton(BtnFortune, 0);
}

}  // namespace lv
