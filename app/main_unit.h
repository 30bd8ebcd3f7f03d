// TVeyraFM: the program's one window and the owner of nearly all of its state.
// Its operations are grouped by subsystem into the source files of app/, assets/,
// fortune/, view/, input/ and services/; this header is the window's whole shape.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "assets/resource_store.h"
#include "app/random_source.h"
#include "assets/string_list.h"
#include "fortune/card_numbers.h"
#include "input/button_dat_u.h"
#include "platform/bitmap.h"
#include "platform/platform.h"
#include "region/region_u.h"
#include "view/card_geometry.h"
#include "view/light_effect.h"
#include "view/sequencer_states.h"

namespace lv {

// Window geometry fixed by the design.
constexpr int kFormWidth = 737;
constexpr int kFormHeight = 584;
constexpr char kAppTitle[] = "Lunavox2009";

// Colours fixed at start.
constexpr TColor LabelBackColor = 128 + 256 * 195 + 65536 * 139;  // 9159552
constexpr TColor TitleTextColor = 42 + 256 * 50 + 65536 * 42;     // 2765354

// Sound slots: 1 to 13 are "A01".."A13", 14 to 40 are "B00".."B26".
constexpr int kSoundCountA = 13;
constexpr int kSoundCount = 40;

class TVeyraFM {
 public:
  TVeyraFM(IPlatform& platform, const TResourceStore& resources);
  ~TVeyraFM();
  TVeyraFM(const TVeyraFM&) = delete;
  TVeyraFM& operator=(const TVeyraFM&) = delete;

  // Lifecycle and drawing (app/main_unit.cpp).
  void FormCreate();
  void FormDestroy();
  void FormPaint();
  void CopyToBackBuffer(const TBitmap& source, int srcX, int srcY, int width, int height, int dstX,
                        int dstY, bool show);
  void ShowBackBuffer(int x, int y, int width, int height);

  // Placement (app/window_placement.cpp).
  struct TPoint {
    int X, Y;
  };
  TPoint GetCentredPos() const;
  void CentreWindow();

  // Outline and stay-on-top (app/window_region.cpp).
  void MakeWindowRegion(const TBitmap& picture, TColor transparent);
  void SetStayOnTop(bool value);
  TRegion WindowRegion;  // the outline from the mask picture

  // Resource loaders (assets/resource_loaders.cpp).
  bool LoadJpgResource(const std::string& name, TBitmap& output);
  bool LoadBmpResource(const std::string& name, TBitmap& output);
  bool LoadTxtResource(const std::string& name, TStringList& output);
  void LoadWavResource(const std::string& name, int number);
  void LoadSoundBank();
  void FreeSoundBank();

  // Buttons (input/button_drawing.cpp).
  void DrawButton(int index, int state);
  void ReleaseButtons();
  void EnableFortuneButton(bool draw);
  void DisableFortuneButton(bool draw);
  void DrawAllButtons();
  TButtonTable ButtonTable;

  // Sound (services/sound.cpp).
  void PlaySoundNo(int n);
  void SetMuteOn(bool value);
  bool MuteOn = false;

  // Card collection: which cards are seen, and the transformed faces
  // (fortune/card_collection.cpp).
  bool IsCardSeen(int n) const;
  void MarkCardSeen(int n, bool all);
  void MarkCardUnseen(int n, bool all);
  void CountSeenCards();
  std::string EncodeCardOK() const;
  void DecodeCardOK(const std::string& s);
  void UpdateTransformButton();
  void StartTransform();
  std::array<std::uint8_t, CardMax> CardSeen{};  // card n at index n - 1: 1 seen, 0 not
  int SeenCount = 0;                             // as of the last CountSeenCards
  bool AllSeen = false;                          // as of the last CountSeenCards
  bool Transformed = false;    // the face on show is the card's transformed picture
  bool TransformFlip = false;  // the running turn only switches the transformed face

  // Card presentation: the card in its frame and its labels (view/card_view.cpp,
  // view/card_labels.cpp).
  void LoadCardPicture(int number, int slot);
  void LoadFacePicture(int number);
  void DrawCard(int slot, int percent, bool toScreen);
  void SetLabelLook();
  void ShowCardTexts(int number);
  void ShowCardLabels(bool visible);
  std::string GetCardExplanation(int number) const;
  void ShowCreator(int number);
  void HideCreator(int number);
  std::array<TCardSlotGeometry, 2> CardSlotGeometry{};  // of SlotBack and SlotFace

  // Sequencer: the step clock and the numbered sequences (view/sequencer.cpp).
  void Timer1Timer();
  void AnimStep();
  std::uint32_t LastStepTick = 0;  // tick count of the last step
  bool FirstTickDone = false;      // the opening voice has played

  // Light effects: sparkles from the light point (view/window_light.cpp).
  void LightStep();
  void EraseLight();
  void SetLightPoint(int x, int y);
  void SetLightPointAt(int wx, int wy);
  void ResetParticles();
  void LightClick(int x, int y);
  void LightShowChangeClick();
  void LightPointChangeClick();
  // The sparkles play over the card on show.
  bool SparklesVisible() const;
  // When the popup menu offers to centre the light point.
  bool CanCentreLightPoint() const;
  TLightEffect Light;

  // Card history: undo and resume (fortune/card_history.cpp).
  void SetCardNo(int n);
  void CardUndoClick();
  void PopSaigenClick();
  void NextResumeClick();
  void RestoreWish();
  void SetResumeOk(bool value);
  // When the popup menu offers undo and replay.
  bool CanUndoCard() const;
  bool CanReplayFortune() const;
  int CardNo = 0;      // the card on show, 0 to CardMax
  int PrevCardNo = 0;  // the card shown before it; 0 = none
  bool NewFortune = false;
  bool ResumeOk = false;
  // The last fortune as read from the settings at start; fixed for the run.
  int SavedCardNum = 0;
  std::string SavedWish;
  bool SavedIndexMode = false;
  int StarX = 0, StarY = 0;

  // Wish and divination (fortune/wish_entry.cpp).
  int DivineCard();
  void UpdateFate();
  void StartFortune();
  void StartRandomDraw();
  void Memo1Change();
  void Memo1MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  int Fate = 0;
  int OldDate = 0;  // day count (days since 1899-12-30) of the last fate draw
  int MemDate = 0;  // day count of the last exit
  int Today() const;  // day count of the date now

  // Settings file (assets/settings_load_save.cpp).
  void LoadSettings();
  void SaveSettings();

  // Options: each setter stores the value and sets its menu item's check mark
  // (input/options.cpp).
  void SetFezPenBlack(bool value);
  void SetFezPenDown(bool value);
  void SetLightShow(bool value);
  void SetNoMascot(bool value);
  void SetNoHartGauge(bool value);
  void SetMascotSpeed(int n);
  bool StayOnTop = false;
  bool FezPenBlack = false;
  bool FezPenDown = false;
  bool LightShow = true;
  bool NoMascot = false;
  bool NoHartGauge = false;
  int MascotSpeed = 3;
  int MascotDelay = 10;  // steps per mascot cycle, from the speed
  int MascotVoice = 0;   // which click voice the mascot uses, 0 to 2

  // Mouse and keyboard (input/mouse_keys.cpp).
  void FormMouseDown(const ILabel* sender, TMouseButton button, TShiftState shift, int x, int y);
  void FormMouseMove(const ILabel* sender, TShiftState shift, int x, int y);
  void FormMouseUp(const ILabel* sender, TMouseButton button, TShiftState shift, int x, int y);
  void FormKeyDown(std::uint16_t& key, TShiftState shift);
  void ClickAt(int x, int y, TShiftState shift);
  bool MascotHeld = false;

  // Components of the window design (app/main_unit_components.cpp).
  IForm& Form() { return *form_; }
  std::unique_ptr<ILabel> LabelNo, LabelKaisetu, LabelTittle, LabelCreator;
  std::unique_ptr<IMemo> Memo1;
  std::unique_ptr<ITimer> Timer1;
  std::unique_ptr<IPopupMenu> PopupMenu1;

  // Fields.
  std::string ExeDir;  // the program's folder, with its trailing separator
  bool Closing = false;
  int DownX = 0, DownY = 0;
  int AnimState = 0;

  TBitmap BackBuffer;
  TBitmap ButtonBmp, WakuTateBmp, WakuYokoBmp, NamiBmp, IndexBmp, QuestBmp, StarBmp;
  TBitmap MascotBmp;
  TBitmap CardBack, CardFace;
  TStringList CardTable;
  TRandom Rng;

  // The bytes of each sound, read in place from the resources; slot 0 is unused.
  std::array<TResourceBytes, kSoundCount + 1> SoundBank{};

 private:
  void CreateComponents();
  void BindEvents();
  void ShapeWindow();
  // Card collection.
  void SetCardSeen(int n, bool all, std::uint8_t value);
  // Wish and divination.
  void MarkChosenCard();
  // Mouse and keyboard.
  TPoint WindowPoint(const ILabel* sender, int x, int y) const;
  void LeftPress(int x, int y, TShiftState shift);
  void StartDrag();
  // Card presentation.
  TBitmap& CardSlot(int slot);
  // Sequencer.
  void CardTurnStep(const TCardTurnFrame& frame);
  void PutInNewCard();
  void EndCardTurn();
  void EndPause();

  IPlatform& platform_;
  const TResourceStore& resources_;
  std::unique_ptr<IForm> form_;
};

// The folder part of a path, with its trailing separator, however long it is.
std::string ExeDirOf(const std::string& exePath);

}  // namespace lv
