// Playing the program's sounds by number; each sound cuts off the one before.
#include "app/main_unit.h"

namespace lv {

// Playback stops first even when muted, so muting also silences a sound that was
// started before. Slots outside 1 to 40 have no sound and stay silent.
void TVeyraFM::PlaySoundNo(int n) {
  ISoundOutput& sound = platform_.Sound();
  sound.Stop();
  if (MuteOn || n < 1 || n > kSoundCount) return;
  const TResourceBytes& wav = SoundBank[static_cast<std::size_t>(n)];
  if (wav.Data) sound.Play(wav.Data, wav.Size);
}

void TVeyraFM::SetMuteOn(bool value) {
  MuteOn = value;
  PopupMenu1->SetChecked("MuteOnChange", value);
}

}  // namespace lv
