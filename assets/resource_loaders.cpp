// Loading the pictures, texts and sounds that the executable carries.
#include "app/main_unit.h"
#include "assets/my_sys_u.h"
#include "assets/picture_decoders.h"

namespace lv {

bool TVeyraFM::LoadJpgResource(const std::string& name, TBitmap& output) {
  TResourceBytes bytes = resources_.Get("JPG", name);
  output = TBitmap();
  return DecodeJpeg(bytes.Data, bytes.Size, output);
}

// The decoded file is drawn onto a new 24-bit bitmap, whatever its own format.
bool TVeyraFM::LoadBmpResource(const std::string& name, TBitmap& output) {
  output = TBitmap();
  TResourceBytes bytes = resources_.Get("BMP", name);
  TBitmap decoded;
  if (!DecodeBmp(bytes.Data, bytes.Size, decoded)) return false;
  output.SetSize(decoded.Width(), decoded.Height());
  output.CopyRect(0, 0, decoded, 0, 0, decoded.Width(), decoded.Height());
  return true;
}

bool TVeyraFM::LoadTxtResource(const std::string& name, TStringList& output) {
  output.Clear();
  if (!resources_.Has("TXT", name)) return false;
  TResourceBytes bytes = resources_.Get("TXT", name);
  output.LoadFromBytes(bytes.Data, bytes.Size);
  return true;
}

void TVeyraFM::LoadWavResource(const std::string& name, int number) {
  SoundBank.at(static_cast<std::size_t>(number)) = resources_.Get("WAV", name);
}

void TVeyraFM::LoadSoundBank() {
  for (int n = 1; n <= kSoundCountA; ++n) LoadWavResource("A" + ZeroPad(n, 2), n);
  for (int n = kSoundCountA + 1; n <= kSoundCount; ++n) LoadWavResource("B" + ZeroPad(n - 14, 2), n);
}

void TVeyraFM::FreeSoundBank() { SoundBank.fill({}); }

}  // namespace lv
