// Looking up a card's texts in the card text table.
#include <gtest/gtest.h>

#include "tests/card_fixtures.h"
#include "assets/my_sys_u.h"
#include "platform/cp932.h"

namespace lv {
namespace {

using test::CardTableWith;

TEST(CardTable, FindsEachRoleOfEachCardBySevenLinesPerCard) {
  const TStringList table = CardTableWith({{0, {"m0", "", "e0", "00a", "", "c0", ""}},
                                           {29, {"m29", "t29", "e29", "06b", "w29", "c29", "h29"}}});
  EXPECT_EQ(CardLine(table, 0, RoleTitle), "");
  EXPECT_EQ(CardLine(table, 0, RoleExplanation), "e0");
  EXPECT_EQ(CardLine(table, 29, RoleMarker), "m29");
  EXPECT_EQ(CardLine(table, 29, RoleTransformedComment), "h29");  // line 209, the last record line
  EXPECT_EQ(CardLine(table, 30, RoleMarker), "");                 // beyond the table
}

TEST(CardTable, OnlyAFullWidthHAtTheStartMarksATransformedFace) {
  const std::string card = Utf8ToCp932("Ｃａｒｄ．０５＞x");
  struct Case {
    std::string marker;
    bool transformed;
  } cases[] = {{Utf8ToCp932("Ｈ") + card, true}, {card, false}, {"H" + card, false},
               {Utf8ToCp932("ｈ") + card, false}, {card + Utf8ToCp932("Ｈ"), false}, {"\x82", false}, {"", false}};
  for (const Case& c : cases) {
    const TStringList table = CardTableWith({{5, {c.marker}}});
    EXPECT_EQ(HasTransformedFace(table, 5), c.transformed) << Cp932ToUtf8(c.marker);
  }
}

TEST(CardTable, CreatorLineGivesTheNameFromItsThirdByteAndAVoiceOnlyForCodes00To26) {
  struct Case {
    std::string line, name;
    std::optional<int> code;
  } cases[] = {
      {"00" + Utf8ToCp932("星野ミラ"), Utf8ToCp932("星野ミラ"), 0},
      {"06Ann", "Ann", 6},
      {"26Zed", "Zed", 26},
      {"27Zed", "Zed", std::nullopt},
      {"99", "", std::nullopt},
      {"-1Neg", "Neg", std::nullopt},  // a sign would reach the A sounds below B00
      {"+5Pos", "Pos", std::nullopt},
      {" 5Sp", "Sp", std::nullopt},
      {"ab" + Utf8ToCp932("名前"), Utf8ToCp932("名前"), std::nullopt},
      {Utf8ToCp932("名前"), Utf8ToCp932("前"), std::nullopt},
      {"7", "", std::nullopt},
      {"", "", std::nullopt},
  };
  for (const Case& c : cases) {
    const TCreatorLine creator = ParseCreatorLine(c.line);
    EXPECT_EQ(creator.Name, c.name) << c.line;
    EXPECT_EQ(creator.VoiceCode, c.code) << c.line;
  }
}

TEST(CardTable, TransformedFaceTakesItsOwnCommentWhenTheCardHasOne) {
  const TStringList table = CardTableWith({{1, {"", "", "", "", "", "plain", "dawn"}}, {2, {"", "", "", "", "", "plain"}}});
  EXPECT_EQ(CreatorComment(table, 1, false), "plain");
  EXPECT_EQ(CreatorComment(table, 1, true), "dawn");
  EXPECT_EQ(CreatorComment(table, 2, true), "plain");
}

TEST(CardTable, WebAddressIsCutTo255Bytes) {
  const std::string longAddress = "https://example.org/" + std::string(300, 'a');
  const TStringList table = CardTableWith({{3, {"", "", "", "", longAddress}}, {4, {"", "", "", "", "https://x.org/"}}});
  EXPECT_EQ(CardWebAddress(table, 3), longAddress.substr(0, 255));
  EXPECT_EQ(CardWebAddress(table, 4), "https://x.org/");
  EXPECT_EQ(CardWebAddress(table, 5), "");
}

// The program's own table: the layout, and a transformed picture for exactly the
// cards it marks, so the transform button never asks for a picture that is missing.
TEST(CardTable, ShippedTableMarksExactlyTheCardsThatHaveTransformedPictures) {
  const TResourceStore& resources = TResourceStore::Embedded();
  TResourceBytes bytes = resources.Get("TXT", "CardT");
  TStringList table;
  table.LoadFromBytes(bytes.Data, bytes.Size);
  EXPECT_EQ(table.Count(), 212u);
  for (int card = 0; card <= CardMax; ++card) {
    EXPECT_EQ(HasTransformedFace(table, card), resources.Has("JPG", "hC" + ZeroPad(card, 3))) << card;
    EXPECT_TRUE(ParseCreatorLine(CardLine(table, card, RoleCreator)).VoiceCode.has_value()) << card;
  }
  EXPECT_EQ(CardLine(table, 0, RoleTitle), "");
}

}  // namespace
}  // namespace lv
