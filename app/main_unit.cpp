#include "app/main_unit.h"

namespace lv {

TVeyraFM::TVeyraFM(IPlatform& platform, const TResourceStore& resources)
    : platform_(platform), resources_(resources) {
  CreateComponents();
  BindEvents();
}

TVeyraFM::~TVeyraFM() = default;

std::string ExeDirOf(const std::string& exePath) {
  std::string dir = exePath.substr(0, exePath.find_last_of('/') + 1);
  if (dir.empty()) dir = "./";
  return dir;
}

void TVeyraFM::FormCreate() {
  // The window background is never erased: the on-screen picture covers all of it.
  Memo1->SetMaxLength(380);
  Rng.Randomize(platform_.Clock().Entropy());
  ExeDir = ExeDirOf(platform_.ExePath());
  InitButtonTable(ButtonTable);
  LoadSoundBank();
  SetLightPoint(LightHomeX, LightHomeY);
  ResetParticles();
  CentreWindow();
  LoadSettings();
  CountSeenCards();
  LoadJpgResource("Base", BackBuffer);
  LoadJpgResource("Mascot", MascotBmp);
  ShapeWindow();
  LoadJpgResource("Button", ButtonBmp);
  LoadBmpResource("WakuTate", WakuTateBmp);
  LoadBmpResource("WakuYoko", WakuYokoBmp);
  LoadJpgResource("Nami", NamiBmp);
  LoadTxtResource("CardT", CardTable);
  LoadCardPicture(CardBackNo, SlotBack);
  LoadFacePicture(CardNo);
  LoadJpgResource("Quest", QuestBmp);
  LoadBmpResource("Star", StarBmp);
  SetLabelLook();
  ShowCardTexts(CardNo);
  ShowCardLabels(true);
  DrawCard(SlotFace, 100, false);
  DrawAllButtons();
  if (ResumeOk) RestoreWish();
  Memo1->SetReadOnly(false);
  Memo1->SetVisible(true);
}

void TVeyraFM::FormDestroy() {
  Closing = true;
  SaveSettings();
  for (TBitmap* bitmap : {&MascotBmp, &BackBuffer, &ButtonBmp, &WakuTateBmp, &WakuYokoBmp, &NamiBmp,
                          &IndexBmp, &QuestBmp, &StarBmp, &CardBack, &CardFace})
    *bitmap = TBitmap();
  CardTable.Clear();
  FreeSoundBank();
  platform_.Sound().Stop();
}

void TVeyraFM::FormPaint() {
  form_->Canvas().CopyRect(0, 0, BackBuffer, 0, 0, BackBuffer.Width(), BackBuffer.Height());
  form_->Invalidate({0, 0, kFormWidth, kFormHeight});
}

void TVeyraFM::CopyToBackBuffer(const TBitmap& source, int srcX, int srcY, int width, int height,
                                int dstX, int dstY, bool show) {
  BackBuffer.CopyRect(dstX, dstY, source, srcX, srcY, width, height);
  if (show) ShowBackBuffer(dstX, dstY, width, height);
}

void TVeyraFM::ShowBackBuffer(int x, int y, int width, int height) {
  form_->Canvas().CopyRect(x, y, BackBuffer, x, y, width, height);
  form_->Invalidate({x, y, x + width, y + height});
}

}  // namespace lv
