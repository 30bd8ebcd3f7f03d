// Where the borderless window sits on the screen.
#include "app/main_unit.h"

namespace lv {

// Centred horizontally, 6 pixels above the vertical centre; a screen smaller than
// the window gives negative values, the halves truncated toward zero.
TVeyraFM::TPoint TVeyraFM::GetCentredPos() const {
  IScreen& screen = platform_.Screen();
  return {(screen.Width() - kFormWidth) / 2, (screen.Height() - kFormHeight) / 2 - 6};
}

void TVeyraFM::CentreWindow() {
  TPoint p = GetCentredPos();
  form_->SetPosition(p.X, p.Y);
}

}  // namespace lv
