// The program's settings: every key of "Veyra.ini", its kind and its default,
// read in one fixed order at start and written in another at exit.
#pragma once

#include <string>

#include "assets/settings_file.h"

namespace lv {

constexpr char kSettingsFileName[] = "Veyra.ini";  // in the program's folder
constexpr char kSettingsSection[] = "Veyra.ini";

// The value of every key; what a load yields and what a save writes.
struct TLoadedSettings {
  int CardNum = 0;  // the card of the last fortune, 0 to 29
  int StarX = 0, StarY = 0;
  bool ResumeOk = false;
  bool IndexMode = false;
  bool StayOnTop = false;
  bool MuteOn = false;
  bool FezPenBlack = false;
  bool FezPenDown = false;
  bool LightShow = true;
  int Fate = 0;
  int Left = 0, Top = 0;
  std::string CardOK;  // the seen-card string, at most 255 bytes
  int MascotSpeed = 3;
  bool NoMascot = false;
  bool NoHartGauge = false;
  int MascotVoice = 0;
  int OldDate = 0, MemDate = 0;  // day counts since 1899-12-30
  std::string Wish;

  bool operator==(const TLoadedSettings&) const = default;
};

// What the defaults of a load depend on, taken by the caller before reading.
struct TSettingsDefaults {
  int Today = 0;           // day count of the date the load began
  bool LowScreen = false;  // the screen is less than 616 pixels high
  int Left = 0, Top = 0;   // the window's present position
  int RandomFate = 0;      // drawn from 0 to 28 on every start, used when "Fate" is missing
};

// Reads every key in the order of the file's design. A "CardNum" outside 0 to 29
// reads as 0: above 29 is no card, and a negative one (only a hand-edited file
// has it) would ask for a card picture that does not exist. Ranges of the other
// values are left to the setters that take them over.
TLoadedSettings ReadSettings(const TSettingsFile& file, const TSettingsDefaults& defaults);

// Which of the keys that only some runs write this save writes.
struct TSaveScope {
  bool CardNum = false;     // a card was chosen in this run
  bool LightPoint = false;  // "StarX" and "StarY": a card was chosen, or the saved one is on show
  bool Wish = false;        // a card was chosen in this run
};

// Writes the keys in their writing order; keys left out keep the file's values.
// The collection is written as "CardOk", the same entry as the "CardOK" read.
void WriteSettings(TSettingsFile& file, const TLoadedSettings& values, const TSaveScope& scope);

}  // namespace lv
