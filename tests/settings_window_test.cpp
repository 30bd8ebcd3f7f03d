// The settings file as the window reads it at start and writes it at exit.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/cp932.h"
#include "tests/card_fixtures.h"

namespace lv {
namespace {

class SettingsWindowTest : public test::WindowTest {
 protected:
  std::string IniPath() const { return platform.folder.Path() + "Veyra.ini"; }
  void WriteIni(const std::string& body) { std::ofstream(IniPath(), std::ios::binary) << "[Veyra.ini]\r\n" << body; }
  std::string ReadIni() const {
    std::ifstream in(IniPath(), std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
  }
  std::string Today() const { return "2025/12/09"; }  // the headless clock's day
};

TEST_F(SettingsWindowTest, AFirstStartTakesTheDefaults) {
  form.FormCreate();
  EXPECT_FALSE(form.ResumeOk);
  EXPECT_TRUE(form.LightShow);
  EXPECT_EQ(form.MascotSpeed, 3);
  EXPECT_FALSE(form.StayOnTop);
  EXPECT_GE(form.Fate, 0);
  EXPECT_LE(form.Fate, 28);
  EXPECT_EQ(form.CardNo, 0);
  EXPECT_TRUE(screen.popupMenu->Checked("MascotSpChg3"));
  EXPECT_TRUE(screen.popupMenu->Checked("NoMascotChg"));
}

TEST_F(SettingsWindowTest, ALowScreenKeepsTheWindowOnTopByDefault) {
  platform.screen.height = 600;
  form.FormCreate();
  EXPECT_TRUE(form.StayOnTop);
}

TEST_F(SettingsWindowTest, AResumedStartShowsTheSavedFortuneWhereTheWindowWas) {
  WriteIni("ResumeOk=1\r\nCardNum=12\r\nLeft=10\r\nTop=20\r\nCardOK=lllllllllllll\r\nWish=" +
           Utf8ToCp932("恋が叶いますように") + "\r\n");
  form.FormCreate();
  EXPECT_EQ(form.CardNo, 12);
  EXPECT_EQ(screen.Left(), 10);
  EXPECT_EQ(screen.Top(), 20);
  EXPECT_EQ(screen.memo->Text(), Utf8ToCp932("恋が叶いますように"));
  EXPECT_EQ(screen.memo->SelStart(), static_cast<int>(screen.memo->Text().size()));
  EXPECT_FALSE(screen.memo->ReadOnly());
  EXPECT_EQ(form.ButtonTable[BtnFortune].State, 0);  // the restored wish enables nothing
  EXPECT_EQ(form.LabelNo->Caption(), "CARD.012");
  EXPECT_TRUE(screen.popupMenu->Checked("NextResume"));
}

TEST_F(SettingsWindowTest, WithoutResumeAStoredPlaceAndCardAreIgnored) {
  WriteIni("ResumeOk=0\r\nCardNum=12\r\nLeft=10\r\nTop=20\r\n");
  form.FormCreate();
  EXPECT_EQ(form.CardNo, 0);
  EXPECT_EQ(screen.Left(), 143);
  EXPECT_EQ(screen.Top(), 86);
  EXPECT_EQ(form.SavedCardNum, 12);
}

TEST_F(SettingsWindowTest, ARunWithoutAFortuneKeepsTheLastFortune) {
  WriteIni("CardNum=7\r\nWish=old\r\nMemDate=2020/01/01\r\nUnknownKey=kept\r\n");
  form.FormCreate();
  form.FormDestroy();
  const std::string ini = ReadIni();
  EXPECT_NE(ini.find("CardNum=7\r\n"), std::string::npos);
  EXPECT_NE(ini.find("Wish=old\r\n"), std::string::npos);
  EXPECT_NE(ini.find("UnknownKey=kept\r\n"), std::string::npos);
  EXPECT_NE(ini.find("MemDate=" + Today()), std::string::npos) << ini;
}

TEST_F(SettingsWindowTest, AFortuneIsSavedWithItsWishAndComesBackAtTheNextStart) {
  form.FormCreate();
  form.NextResumeClick();
  form.Fate = 0;
  screen.memo->Type("abc\r\nand more");  // a wish on two lines
  form.StartFortune();
  const int card = form.CardNo;
  form.FormDestroy();
  const std::string ini = ReadIni();
  EXPECT_NE(ini.find("CardNum=" + std::to_string(card) + "\r\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("Wish=\"abc\\r\\nand more\"\r\n"), std::string::npos) << ini;

  test::TestPlatform next;
  next.exePath = platform.exePath;
  TVeyraFM again(next, TResourceStore::Embedded());
  again.FormCreate();
  EXPECT_EQ(again.CardNo, card);
  EXPECT_EQ(again.Memo1->Text(), "abc\r\nand more");
  EXPECT_TRUE(again.IsCardSeen(card));
}

TEST_F(SettingsWindowTest, AFreshFileHoldsTheKeysInWritingOrder) {
  form.FormCreate();
  form.FormDestroy();
  std::string ini = ReadIni();
  std::vector<std::string> keys;
  std::istringstream lines(ini);
  for (std::string line; std::getline(lines, line);)
    if (line.find('=') != std::string::npos) keys.push_back(line.substr(0, line.find('=')));
  EXPECT_EQ(keys, (std::vector<std::string>{"StarX", "StarY", "ResumeOk", "IndexMode", "StayOnTop", "MuteOn",
                                            "FezPenBlack", "FezPenDown", "LightShow", "Fate", "Left", "Top",
                                            "CardOk", "MascotSpeed", "NoMascot", "NoHartGauge", "MascotVoice",
                                            "OldDate", "MemDate"}));
}

TEST_F(SettingsWindowTest, AnUnwritableFolderIsReportedAndTheTeardownGoesOn) {
  platform.exePath = platform.folder.Path() + "not-a-folder/lunavox";
  std::ofstream(platform.folder.Path() + "not-a-folder") << "a file where the folder should be";
  form.FormCreate();
  form.FormDestroy();
  ASSERT_EQ(platform.app.errors.size(), 1u);
  EXPECT_EQ(platform.app.errors[0], Utf8ToCp932(platform.folder.Path() + "not-a-folder/Veyra.ini に書き込めません"));
  EXPECT_TRUE(form.BackBuffer.Empty());
  EXPECT_EQ(form.SoundBank[1].Data, nullptr);
}

TEST_F(SettingsWindowTest, AReadOnlyFileIsReportedAndKept) {
  WriteIni("Fate=5\r\n");
  const std::string before = ReadIni();
  std::filesystem::permissions(IniPath(), std::filesystem::perms(0444));
  form.FormCreate();
  EXPECT_EQ(form.Fate, 5);
  form.FormDestroy();
  ASSERT_EQ(platform.app.errors.size(), 1u);
  EXPECT_EQ(platform.app.errors[0], Utf8ToCp932(IniPath() + " に書き込めません"));
  EXPECT_EQ(ReadIni(), before);
}

// A program kept deep in the folder tree reads and writes the settings beside it.
TEST_F(SettingsWindowTest, AProgramInALongFolderKeepsItsSettingsBesideIt) {
  const std::string deep = platform.folder.Path() + std::string(120, 'a') + "/" + std::string(120, 'b') + "/";
  std::filesystem::create_directories(deep);
  ASSERT_GT(deep.size(), 255u);
  platform.exePath = deep + "lunavox";
  std::ofstream(deep + "Veyra.ini", std::ios::binary) << "[Veyra.ini]\r\nMascotSpeed=7\r\n";
  form.FormCreate();
  EXPECT_EQ(form.MascotSpeed, 7);
  form.FormDestroy();
  EXPECT_TRUE(platform.app.errors.empty());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(deep), {}), 1) << "only Veyra.ini beside it";
}

}  // namespace
}  // namespace lv
