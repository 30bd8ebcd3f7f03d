#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

#include "assets/day_count.h"
#include "assets/settings_file.h"

namespace lv {
namespace {

TSettingsFile FileOf(std::string_view bytes) { return TSettingsFile("Veyra.ini", bytes); }

// A file as another program or a hand edit may leave it.
constexpr char kMixedFile[] =
    "; kept comment\r\n"
    "[Other]\r\n"
    "CardNum=7\r\n"
    "\r\n"
    "[veyra.INI]\r\n"
    "cardnum = 12\r\n"
    "Unknown=x y\r\n"
    "\r\n"
    "[Tail]\r\n"
    "k=v";

TEST(SettingsFile, MatchesKeysAndSectionWithoutCaseInItsOwnSectionOnly) {
  const TSettingsFile file = FileOf(kMixedFile);
  EXPECT_EQ(file.ReadInteger("CardNum", -1), 12);
  EXPECT_EQ(file.ReadString("UNKNOWN", ""), "x y");
  EXPECT_EQ(file.ReadString("k", "missing"), "missing");
  EXPECT_EQ(file.Bytes(), kMixedFile);
}

TEST(SettingsFile, WritesInPlaceOrAtTheSectionEndAndKeepsEveryOtherLine) {
  TSettingsFile file = FileOf(kMixedFile);
  file.WriteInteger("CARDNUM", 5);
  file.WriteString("NewKey", "n");
  EXPECT_EQ(file.Bytes(),
            "; kept comment\r\n"
            "[Other]\r\n"
            "CardNum=7\r\n"
            "\r\n"
            "[veyra.INI]\r\n"
            "cardnum =5\r\n"
            "Unknown=x y\r\n"
            "NewKey=n\r\n"
            "\r\n"
            "[Tail]\r\n"
            "k=v");
}

TEST(SettingsFile, AddsAMissingSectionAtTheEndInTheFilesOwnLineBreaks) {
  TSettingsFile empty = FileOf("");
  empty.WriteInteger("A", 1);
  empty.WriteInteger("B", 2);
  EXPECT_EQ(empty.Bytes(), "[Veyra.ini]\r\nA=1\r\nB=2\r\n");

  TSettingsFile unixFile = FileOf("A=0\n[Other]\nA=1");
  unixFile.WriteInteger("A", 3);
  EXPECT_EQ(unixFile.Bytes(), "A=0\n[Other]\nA=1\n[Veyra.ini]\nA=3\n");
  EXPECT_EQ(FileOf("A=0\n").ReadInteger("A", -1), -1) << "a key before any section is in none";
}

TEST(SettingsFile, ReadsIntegersInDecimalAndHexOrGivesTheDefault) {
  struct Case {
    const char* value;
    int expected;
  } cases[] = {
      {"12", 12}, {"-7", -7}, {"+5", 5}, {"  8\t", 8}, {"\"42\"", 42},
      {"0x1F", 31}, {"0XfF", 255}, {"0xFFFFFFFF", -1}, {"0x7fffffff", INT_MAX},
      {"2147483647", INT_MAX}, {"-2147483648", INT_MIN},
      {"0x", 99}, {"0x1G", 99}, {"0x100000000", 99}, {"2147483648", 99},
      {"yes", 99}, {"", 99}, {"12a", 99}, {"1 2", 99}, {"-", 99}, {"$1F", 99}, {"1e3", 99},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FileOf(std::string("[Veyra.ini]\nK=") + c.value).ReadInteger("K", 99), c.expected) << c.value;
}

TEST(SettingsFile, ReadsBooleansAsIntegers) {
  const TSettingsFile file = FileOf("[Veyra.ini]\nYes=yes\nZero=0\nTwo=2\nMinus=-1\nHexZero=0x0\nEmpty=\n");
  EXPECT_TRUE(file.ReadBool("Yes", true));
  EXPECT_FALSE(file.ReadBool("Yes", false));
  EXPECT_FALSE(file.ReadBool("Zero", true));
  EXPECT_TRUE(file.ReadBool("Two", false));
  EXPECT_TRUE(file.ReadBool("Minus", false));
  EXPECT_FALSE(file.ReadBool("HexZero", true));
  EXPECT_TRUE(file.ReadBool("Empty", true));

  TSettingsFile written = FileOf("");
  written.WriteBool("On", true);
  written.WriteBool("Off", false);
  EXPECT_EQ(written.Bytes(), "[Veyra.ini]\r\nOn=1\r\nOff=0\r\n");
}

TEST(DayCount, CountsFromTheLastDaysOf1899) {
  EXPECT_EQ(DateToDays(1899, 12, 30), 0);
  EXPECT_EQ(DateToDays(1900, 1, 1), 2);
  EXPECT_EQ(DateToDays(1900, 3, 1), 61) << "1900 is no leap year";
  EXPECT_EQ(DateToDays(2000, 1, 1), 36526);
  EXPECT_EQ(DateToDays(1899, 12, 29), -1);
  EXPECT_EQ(DateToDays(2023, 2, 29), std::nullopt);
  EXPECT_EQ(DateToDays(2024, 13, 1), std::nullopt);
  for (int days = -693593; days <= 2958465; days += 997) {
    const TDate date = DaysToDate(days);
    EXPECT_EQ(DateToDays(date.Year, date.Month, date.Day), days);
  }
  EXPECT_EQ(DaysToDate(45000), (TDate{2023, 3, 15}));
}

TEST(SettingsFile, ReadsAndWritesDatesAsYearMonthDay) {
  struct Case {
    const char* value;
    std::optional<int> days;  // nothing: the default
  } cases[] = {
      {"2024/02/29", DateToDays(2024, 2, 29)}, {"2024/1/5", DateToDays(2024, 1, 5)},
      {"1899/12/30", 0}, {"2023/02/29", {}}, {"2024/13/01", {}}, {"2024/00/10", {}},
      {"24/01/05", {}}, {"2024-01-05", {}}, {"2024/01/05/", {}}, {"2024/01", {}}, {"", {}}, {"today", {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FileOf(std::string("[Veyra.ini]\nD=") + c.value).ReadDate("D", -5), c.days.value_or(-5)) << c.value;

  TSettingsFile written = FileOf("");
  written.WriteDate("D", *DateToDays(2026, 3, 7));
  EXPECT_EQ(written.Bytes(), "[Veyra.ini]\r\nD=2026/03/07\r\n");
}

TEST(SettingsFile, WritesPlainTextsUnchangedAndReadsOldValuesAsTheyWere) {
  TSettingsFile written = FileOf("");
  written.WriteString("Wish", "\x95\x5C\x8E\xA6 say \"hi\" C:\\x");  // trail byte 0x5C included
  EXPECT_EQ(written.Bytes(), "[Veyra.ini]\r\nWish=\x95\x5C\x8E\xA6 say \"hi\" C:\\x\r\n");

  const TSettingsFile old = FileOf("[Veyra.ini]\nA=\"abc\"\nB=\"\nC=\"open\nD=back\\slash\\n\n");
  EXPECT_EQ(old.ReadString("A", ""), "abc") << "the quotes go, as they always did";
  EXPECT_EQ(old.ReadString("B", ""), "\"");
  EXPECT_EQ(old.ReadString("C", ""), "\"open");
  EXPECT_EQ(old.ReadString("D", ""), "back\\slash\\n");
}

TEST(SettingsFile, TextsThatWouldBreakTheFileRoundTripOnOneLine) {
  const std::string texts[] = {
      "line one\r\nline two\r\n", "\n\r", std::string("nul\0byte", 8), " leading", "trailing\t",
      "\"quoted\"", "\"", "back\\slash \\n \"mixed\"", "\x95\x5C\r\n\x95\x5C", "",
  };
  for (const std::string& text : texts) {
    TSettingsFile file = FileOf("[Veyra.ini]\r\nBefore=1\r\n");
    file.WriteString("Wish", text);
    file.WriteInteger("After", 2);
    const std::string bytes = file.Bytes();
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 4) << text;
    const TSettingsFile reread = FileOf(bytes);
    EXPECT_EQ(reread.ReadString("Wish", "?"), text);
    EXPECT_EQ(reread.ReadInteger("After", 0), 2) << text;
  }
}

TEST(SettingsFile, ReadsAtMost2047BytesOfAValue) {
  const TSettingsFile file = FileOf("[Veyra.ini]\nWish=" + std::string(3000, 'w') + "\n");
  EXPECT_EQ(file.ReadString("Wish", ""), std::string(2047, 'w'));
}

TEST(SettingsFile, ReadsWhatItCanOfADamagedFileAndKeepsTheRest) {
  const std::string junk = std::string("\x00\xFF\x81[=\r", 6);
  const std::string damaged = "\x89PNG\r\n" + junk + "\n" + "[Veyra.ini\n" + "[Veyra.ini]\n" +
                              "no equals sign\n" + std::string(200000, 'z') + "\n" +
                              std::string("Fate=1\0junk\n", 12) + "=orphan value\n" +
                              "LightShow\n" + "Left=" + std::string(100000, '9') + "\n";
  TSettingsFile file = FileOf(damaged);
  EXPECT_EQ(file.ReadInteger("Fate", -1), 1);
  EXPECT_TRUE(file.ReadBool("LightShow", true));
  EXPECT_EQ(file.ReadInteger("Left", 7), 7);
  file.WriteInteger("Top", 3);
  EXPECT_EQ(file.Bytes(), damaged + "Top=3\r\n") << "new lines take the file's first line break";
}

}  // namespace
}  // namespace lv
