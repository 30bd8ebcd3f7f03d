// The options of the popup menu: each setter stores its value and shows it as the
// check mark of its item, so the menu and the settings never drift apart.
#include <string>

#include "app/main_unit.h"
#include "assets/my_sys_u.h"

namespace lv {

void TVeyraFM::SetFezPenBlack(bool value) {
  FezPenBlack = value;
  PopupMenu1->SetChecked("FezPenBlackChange", value);
}

void TVeyraFM::SetFezPenDown(bool value) {
  FezPenDown = value;
  PopupMenu1->SetChecked("FezPenDownChange", value);
}

void TVeyraFM::SetLightShow(bool value) {
  LightShow = value;
  PopupMenu1->SetChecked("LightShowChange", value);
}

// The item reads as permission for the mascot, so it is checked while it is on.
void TVeyraFM::SetNoMascot(bool value) {
  NoMascot = value;
  PopupMenu1->SetChecked("NoMascotChg", !value);
}

void TVeyraFM::SetNoHartGauge(bool value) {
  NoHartGauge = value;
  PopupMenu1->SetChecked("NoHartGaugeChg", value);
}

// Speeds 0 to 6 give a cycle of speed + 7 steps after its start; the slow ones
// stretch out to 18, 32 and 64.
void TVeyraFM::SetMascotSpeed(int n) {
  static constexpr int kDelays[] = {7, 8, 9, 10, 11, 12, 13, 18, 32, 64};
  MascotSpeed = Clamp(n, 0, 9);
  MascotDelay = kDelays[MascotSpeed];
  PopupMenu1->SetChecked("MascotSpChg" + std::to_string(MascotSpeed), true);
}

}  // namespace lv
