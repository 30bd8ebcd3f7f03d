#include <gtest/gtest.h>

#include <string>

#include "assets/day_count.h"
#include "assets/settings_keys.h"

namespace lv {
namespace {

const int kToday = *DateToDays(2026, 5, 14);

TSettingsDefaults Defaults(bool lowScreen = false) {
  return TSettingsDefaults{.Today = kToday, .LowScreen = lowScreen, .Left = 300, .Top = 200, .RandomFate = 17};
}

TLoadedSettings ReadBytes(const std::string& bytes, bool lowScreen = false) {
  return ReadSettings(TSettingsFile(kSettingsSection, bytes), Defaults(lowScreen));
}

// Every value away from its default.
TLoadedSettings Unusual() {
  TLoadedSettings s;
  s.CardNum = 12;
  s.StarX = 401;
  s.StarY = -5;
  s.ResumeOk = true;
  s.IndexMode = true;
  s.StayOnTop = true;
  s.MuteOn = true;
  s.FezPenBlack = true;
  s.FezPenDown = true;
  s.LightShow = false;
  s.Fate = 28;
  s.Left = -40;
  s.Top = 1200;
  s.CardOK = "0Z9";
  s.MascotSpeed = 9;
  s.NoMascot = true;
  s.NoHartGauge = true;
  s.MascotVoice = 2;
  s.OldDate = *DateToDays(2026, 4, 1);
  s.MemDate = kToday;
  s.Wish = "\x8D\x4B\x82\xB9\r\n\x82\xC9";
  return s;
}

constexpr TSaveScope kEverything{true, true, true};

TEST(Settings, AMissingFileGivesTheDefaults) {
  TLoadedSettings expected;
  expected.Fate = 17;
  expected.Left = 300;
  expected.Top = 200;
  expected.OldDate = expected.MemDate = kToday;
  EXPECT_EQ(ReadBytes(""), expected);
  expected.StayOnTop = true;
  EXPECT_EQ(ReadBytes("", true), expected) << "a screen below 616 pixels keeps the window on top";
}

TEST(Settings, AValueThatCannotBeUsedGivesItsDefault) {
  struct Case {
    const char* line;
    int (*field)(const TLoadedSettings&);
    int expected;
  } cases[] = {
      {"CardNum=45", [](const TLoadedSettings& s) { return s.CardNum; }, 0},
      {"CardNum=30", [](const TLoadedSettings& s) { return s.CardNum; }, 0},
      {"CardNum=-3", [](const TLoadedSettings& s) { return s.CardNum; }, 0},
      {"CardNum=29", [](const TLoadedSettings& s) { return s.CardNum; }, 29},
      {"LightShow=yes", [](const TLoadedSettings& s) { return int{s.LightShow}; }, 1},
      {"StayOnTop=on", [](const TLoadedSettings& s) { return int{s.StayOnTop}; }, 0},
      {"MascotSpeed=fast", [](const TLoadedSettings& s) { return s.MascotSpeed; }, 3},
      {"Fate=", [](const TLoadedSettings& s) { return s.Fate; }, 17},
      {"Left=0x10", [](const TLoadedSettings& s) { return s.Left; }, 16},
      {"Top=12px", [](const TLoadedSettings& s) { return s.Top; }, 200},
      {"OldDate=2026/02/30", [](const TLoadedSettings& s) { return s.OldDate; }, kToday},
      {"MemDate=yesterday", [](const TLoadedSettings& s) { return s.MemDate; }, kToday},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.field(ReadBytes(std::string("[Veyra.ini]\r\n") + c.line + "\r\n")), c.expected) << c.line;
}

TEST(Settings, AFreshFileHoldsTheKeysInWritingOrder) {
  TSettingsFile file(kSettingsSection, "");
  WriteSettings(file, Unusual(), kEverything);
  EXPECT_EQ(file.Bytes(),
            "[Veyra.ini]\r\n"
            "CardNum=12\r\nStarX=401\r\nStarY=-5\r\n"
            "ResumeOk=1\r\nIndexMode=1\r\nStayOnTop=1\r\nMuteOn=1\r\nFezPenBlack=1\r\nFezPenDown=1\r\nLightShow=0\r\n"
            "Fate=28\r\nLeft=-40\r\nTop=1200\r\n"
            "CardOk=0Z9\r\n"
            "MascotSpeed=9\r\nNoMascot=1\r\nNoHartGauge=1\r\nMascotVoice=2\r\n"
            "OldDate=2026/04/01\r\nMemDate=2026/05/14\r\n"
            "Wish=\"\x8D\x4B\x82\xB9\\r\\n\x82\xC9\"\r\n");
  EXPECT_EQ(ReadSettings(file, Defaults()), Unusual());
}

TEST(Settings, KeysARunDoesNotWriteKeepTheirEarlierValues) {
  const std::string earlier = "[Veyra.ini]\r\nCardNum=12\r\nStarX=5\r\nStarY=6\r\nMemDate=2026/01/01\r\nWish=old wish\r\n";
  TSettingsFile file(kSettingsSection, earlier);
  TLoadedSettings now = Unusual();
  now.CardNum = 3;
  now.Wish = "new wish";
  WriteSettings(file, now, TSaveScope{});
  const TLoadedSettings reread = ReadSettings(file, Defaults());
  EXPECT_EQ(reread.CardNum, 12);
  EXPECT_EQ(reread.StarX, 5);
  EXPECT_EQ(reread.StarY, 6);
  EXPECT_EQ(reread.Wish, "old wish");
  EXPECT_EQ(reread.MemDate, kToday);

  WriteSettings(file, now, TSaveScope{.LightPoint = true});
  EXPECT_EQ(ReadSettings(file, Defaults()).StarX, 401);
  EXPECT_EQ(ReadSettings(file, Defaults()).CardNum, 12);
}

TEST(Settings, TheCollectionIsOneEntryWhetherSpelledCardOKOrCardOk) {
  TSettingsFile file(kSettingsSection, "[Veyra.ini]\r\nCardOK=abc\r\n");
  EXPECT_EQ(ReadSettings(file, Defaults()).CardOK, "abc");
  WriteSettings(file, Unusual(), kEverything);
  const std::string bytes = file.Bytes();
  EXPECT_NE(bytes.find("\r\nCardOK=0Z9\r\n"), std::string::npos);
  EXPECT_EQ(bytes.find("CardOk"), std::string::npos);
  EXPECT_EQ(ReadBytes("[Veyra.ini]\r\nCardOK=" + std::string(300, 'c')).CardOK, std::string(255, 'c'));
}

TEST(Settings, AWishOnSeveralLinesKeepsTheFileReadable) {
  TLoadedSettings values = Unusual();
  values.Wish = "first line\r\n[Veyra.ini]\r\nFate=0\r\n\"last\"";
  TSettingsFile file(kSettingsSection, "");
  WriteSettings(file, values, kEverything);
  const TSettingsFile reread(kSettingsSection, file.Bytes());
  EXPECT_EQ(ReadSettings(reread, Defaults()), values);
}

}  // namespace
}  // namespace lv
