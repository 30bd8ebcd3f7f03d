#include "assets/settings_keys.h"

#include "fortune/card_numbers.h"

namespace lv {

namespace {

constexpr std::size_t kShortTextBytes = 255;

}  // namespace

TLoadedSettings ReadSettings(const TSettingsFile& file, const TSettingsDefaults& defaults) {
  TLoadedSettings s;
  s.CardNum = file.ReadInteger("CardNum", 0);
  s.StarX = file.ReadInteger("StarX", 0);
  s.StarY = file.ReadInteger("StarY", 0);
  s.ResumeOk = file.ReadBool("ResumeOk", false);
  s.IndexMode = file.ReadBool("IndexMode", false);
  s.StayOnTop = file.ReadBool("StayOnTop", defaults.LowScreen);
  s.MuteOn = file.ReadBool("MuteOn", false);
  s.FezPenBlack = file.ReadBool("FezPenBlack", false);
  s.FezPenDown = file.ReadBool("FezPenDown", false);
  s.LightShow = file.ReadBool("LightShow", true);
  s.Fate = file.ReadInteger("Fate", defaults.RandomFate);
  s.Left = file.ReadInteger("Left", defaults.Left);
  s.Top = file.ReadInteger("Top", defaults.Top);
  s.CardOK = file.ReadString("CardOK", "").substr(0, kShortTextBytes);
  s.MascotSpeed = file.ReadInteger("MascotSpeed", 3);
  s.NoMascot = file.ReadBool("NoMascot", false);
  s.NoHartGauge = file.ReadBool("NoHartGauge", false);
  s.MascotVoice = file.ReadInteger("MascotVoice", 0);
  s.OldDate = file.ReadDate("OldDate", defaults.Today);
  s.MemDate = file.ReadDate("MemDate", defaults.Today);
  s.Wish = file.ReadString("Wish", "");
  if (s.CardNum < 0 || s.CardNum > CardMax) s.CardNum = 0;
  return s;
}

void WriteSettings(TSettingsFile& file, const TLoadedSettings& values, const TSaveScope& scope) {
  if (scope.CardNum) file.WriteInteger("CardNum", values.CardNum);
  if (scope.LightPoint) {
    file.WriteInteger("StarX", values.StarX);
    file.WriteInteger("StarY", values.StarY);
  }
  file.WriteBool("ResumeOk", values.ResumeOk);
  file.WriteBool("IndexMode", values.IndexMode);
  file.WriteBool("StayOnTop", values.StayOnTop);
  file.WriteBool("MuteOn", values.MuteOn);
  file.WriteBool("FezPenBlack", values.FezPenBlack);
  file.WriteBool("FezPenDown", values.FezPenDown);
  file.WriteBool("LightShow", values.LightShow);
  file.WriteInteger("Fate", values.Fate);
  file.WriteInteger("Left", values.Left);
  file.WriteInteger("Top", values.Top);
  file.WriteString("CardOk", values.CardOK);
  file.WriteInteger("MascotSpeed", values.MascotSpeed);
  file.WriteBool("NoMascot", values.NoMascot);
  file.WriteBool("NoHartGauge", values.NoHartGauge);
  file.WriteInteger("MascotVoice", values.MascotVoice);
  file.WriteDate("OldDate", values.OldDate);
  file.WriteDate("MemDate", values.MemDate);
  if (scope.Wish) file.WriteString("Wish", values.Wish);
}

}  // namespace lv
