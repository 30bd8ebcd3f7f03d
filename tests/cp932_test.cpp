#include <gtest/gtest.h>

#include "platform/cp932.h"

namespace lv {
namespace {

// The wish is divined by its code page 932 bytes, so the text the desktop's input
// methods produce must give the bytes Windows gives for it, or the cards change.
TEST(Utf8ToCp932, GivesTheBytesWindowsGivesForAWish) {
  struct Case {
    const char* what;
    const char* utf8;
    const char* cp932;
  } cases[] = {
      {"ASCII", "abc", "abc"},
      {"line breaks stay CR LF", "a\r\nb", "a\r\nb"},
      {"wave dash U+301C", "\xE3\x80\x9C", "\x81\x60"},
      {"fullwidth tilde U+FF5E", "\xEF\xBD\x9E", "\x81\x60"},
      {"minus sign U+2212", "\xE2\x88\x92", "\x81\x7C"},
      {"fullwidth hyphen-minus U+FF0D", "\xEF\xBC\x8D", "\x81\x7C"},
      {"double vertical line U+2016", "\xE2\x80\x96", "\x81\x61"},
      {"em dash U+2014", "\xE2\x80\x94", "\x81\x5C"},
      {"hiragana", "\xE3\x81\x82", "\x82\xA0"},
      {"halfwidth katakana", "\xEF\xBD\xB1", "\xB1"},
      {"NEC circled digit one", "\xE2\x91\xA0", "\x87\x40"},
      {"IBM extension", "\xE9\xAB\x99", "\xFB\xFC"},
      {"emoji becomes ? and the rest converts", "a\xF0\x9F\x98\x80" "b\xE3\x81\x82", "a?b\x82\xA0"},
      {"a stray byte becomes ?", "x\xFFy", "x?y"},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToCp932(c.utf8), c.cp932) << c.what;
}

TEST(Cp932ToUtf8, ShowsTheWindowsFormsOfTheJisCharacters) {
  EXPECT_EQ(Cp932ToUtf8("\x81\x60"), "\xEF\xBD\x9E");
  EXPECT_EQ(Cp932ToUtf8("\x81\x7C"), "\xEF\xBC\x8D");
  EXPECT_EQ(Cp932ToUtf8("a\r\n\x82\xA0"), "a\r\n\xE3\x81\x82");
}

}  // namespace
}  // namespace lv
