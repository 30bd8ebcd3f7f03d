// Reading the settings file at start and writing it at exit.
#include "app/main_unit.h"
#include "assets/my_sys_u.h"
#include "assets/settings_keys.h"
#include "platform/cp932.h"

namespace lv {

namespace {

std::string SettingsPath(const std::string& exeDir) { return exeDir + kSettingsFileName; }

}  // namespace

void TVeyraFM::LoadSettings() {
  TSettingsDefaults defaults;
  defaults.Today = Today();
  defaults.LowScreen = platform_.Screen().Height() < 616;
  defaults.Left = Form().Left();
  defaults.Top = Form().Top();
  defaults.RandomFate = Rng.Random(CardMax);  // drawn on every start, used when the key is missing
  const TLoadedSettings read =
      ReadSettings(TSettingsFile::Load(kSettingsSection, SettingsPath(ExeDir)), defaults);

  SavedCardNum = read.CardNum;
  // A light point that no press on the card picture gives would throw the sparkles
  // off the card: it reads as the centred one.
  const bool reachable = IsReachableLightPoint(read.StarX, read.StarY);
  StarX = reachable ? read.StarX : LightHomeX;
  StarY = reachable ? read.StarY : LightHomeY;
  SavedIndexMode = read.IndexMode;
  SavedWish = read.Wish;
  StayOnTop = read.StayOnTop;
  Fate = read.Fate;
  OldDate = read.OldDate;
  MemDate = read.MemDate;

  SetResumeOk(read.ResumeOk);
  if (ResumeOk) {
    Form().SetPosition(read.Left, read.Top);
    CardNo = SavedCardNum;
    SetLightPoint(StarX, StarY);
  }
  SetFezPenBlack(read.FezPenBlack);
  SetFezPenDown(read.FezPenDown);
  SetLightShow(read.LightShow);
  SetMuteOn(read.MuteOn);
  SetMascotSpeed(read.MascotSpeed);
  SetNoMascot(read.NoMascot);
  SetNoHartGauge(read.NoHartGauge);
  MascotVoice = read.MascotVoice;
  ClampVar(MascotVoice, 0, 2);
  DecodeCardOK(read.CardOK);
  UpdateFate();
}

// The file is read again before writing, so lines that another program or the user
// changed while this one ran are kept. The last fortune (card, wish, light point)
// is written only by a run that chose a card; when the file cannot be written the
// user is told, and the rest of the teardown goes on.
void TVeyraFM::SaveSettings() {
  const std::string path = SettingsPath(ExeDir);
  TSettingsFile file = TSettingsFile::Load(kSettingsSection, path);
  TLoadedSettings values;
  values.CardNum = CardNo;
  values.StarX = Light.LightX();
  values.StarY = Light.LightY();
  values.ResumeOk = ResumeOk;
  values.IndexMode = false;
  values.StayOnTop = StayOnTop;
  values.MuteOn = MuteOn;
  values.FezPenBlack = FezPenBlack;
  values.FezPenDown = FezPenDown;
  values.LightShow = LightShow;
  values.Fate = Fate;
  values.Left = Form().Left();
  values.Top = Form().Top();
  values.CardOK = EncodeCardOK();
  values.MascotSpeed = MascotSpeed;
  values.NoMascot = NoMascot;
  values.NoHartGauge = NoHartGauge;
  values.MascotVoice = MascotVoice;
  values.OldDate = OldDate;
  values.MemDate = Today();
  values.Wish = Memo1->Text();
  TSaveScope scope;
  scope.CardNum = NewFortune;
  scope.LightPoint = NewFortune || CardNo == SavedCardNum;
  scope.Wish = NewFortune;
  WriteSettings(file, values, scope);
  if (!file.Save(path)) platform_.Application().ShowError(Utf8ToCp932(path + " に書き込めません"));
}

}  // namespace lv
