// Loading pictures, texts and sounds from the resources, found by name in any case.
#include <gtest/gtest.h>

#include "app/main_unit.h"
#include "assets/my_sys_u.h"
#include "platform/bitmap.h"
#include "platform/headless/headless_platform.h"

namespace lv {
namespace {

// A 2x2 24-bit BMP: red, green / blue, white (rows stored bottom-up).
std::vector<std::uint8_t> TinyBmp24() {
  TBitmap b(2, 2);
  b.SetPixel(0, 0, MakeColor(255, 0, 0));
  b.SetPixel(1, 0, MakeColor(0, 255, 0));
  b.SetPixel(0, 1, MakeColor(0, 0, 255));
  b.SetPixel(1, 1, MakeColor(255, 255, 255));
  return EncodeBmp24(b);
}

// A 3x2 1-bit BMP with palette (black, white): row 0 = 1 0 1, row 1 = 0 1 0.
std::vector<std::uint8_t> TinyBmp1() {
  std::vector<std::uint8_t> f = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0,  // file header
                                 40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0,
                                 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,
                                 0, 0, 0, 0, 255, 255, 255, 0,  // palette
                                 0x40, 0, 0, 0,                 // bottom row: 0 1 0
                                 0xA0, 0, 0, 0};                // top row: 1 0 1
  return f;
}

class LoaderTest : public ::testing::Test {
 protected:
  LoaderTest() {
    store.AddCopy("BMP", "TINY24", TinyBmp24());
    store.AddCopy("BMP", "Mono", TinyBmp1());
    store.AddCopy("BMP", "Broken", {'B', 'M', 1, 2, 3});
    store.AddCopy("JPG", "Broken", {0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3});
    const char text[] = "first\r\nsecond\r\n\r\nlast without ending";
    store.AddCopy("TXT", "Lines", std::vector<std::uint8_t>(text, text + sizeof text - 1));
    store.AddCopy("WAV", "Beep", {'R', 'I', 'F', 'F'});
    jpg = TResourceStore::Embedded().Get("JPG", "Quest");
    store.Add("JPG", "QUEST", jpg);
  }
  headless::Platform platform;
  TResourceStore store;
  TResourceBytes jpg;
  TVeyraFM form{platform, store};
};

TEST_F(LoaderTest, NamesMatchWithoutRegardToCase) {
  TBitmap b;
  EXPECT_TRUE(form.LoadBmpResource("tiny24", b));
  EXPECT_TRUE(form.LoadJpgResource("qUeSt", b));
  EXPECT_TRUE(store.Has("txt", "LINES"));
  EXPECT_FALSE(store.Has("JPG", "Lines"));  // the type is part of the name
}

TEST_F(LoaderTest, JpgDecodesToFullSizeColourPicture) {
  TBitmap b;
  ASSERT_TRUE(form.LoadJpgResource("Quest", b));
  EXPECT_EQ(b.Width(), 46);
  EXPECT_EQ(b.Height(), 68);
  EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf24bit);
}

TEST_F(LoaderTest, BmpIsDrawnOntoANew24BitBitmap) {
  TBitmap b;
  ASSERT_TRUE(form.LoadBmpResource("Tiny24", b));
  EXPECT_EQ(b.Pixel(0, 0), MakeColor(255, 0, 0));
  EXPECT_EQ(b.Pixel(1, 0), MakeColor(0, 255, 0));
  EXPECT_EQ(b.Pixel(0, 1), MakeColor(0, 0, 255));
  ASSERT_TRUE(form.LoadBmpResource("Mono", b));
  EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf24bit);
  const TColor w = 0xFFFFFF;
  EXPECT_EQ((std::vector<TColor>{b.Pixel(0, 0), b.Pixel(1, 0), b.Pixel(2, 0), b.Pixel(0, 1), b.Pixel(1, 1), b.Pixel(2, 1)}),
            (std::vector<TColor>{w, 0, w, 0, w, 0}));
}

TEST_F(LoaderTest, MissingPicturesAndSoundsRaiseMissingTextGivesEmptyList) {
  TBitmap b;
  EXPECT_THROW(form.LoadJpgResource("Nothing", b), EResNotFound);
  EXPECT_THROW(form.LoadBmpResource("Nothing", b), EResNotFound);
  EXPECT_THROW(form.LoadWavResource("Nothing", 3), EResNotFound);
  TStringList list;
  list.Add("old");
  EXPECT_FALSE(form.LoadTxtResource("Nothing", list));
  EXPECT_EQ(list.Count(), 0u);
}

TEST_F(LoaderTest, UndecodableDataGivesFalse) {
  TBitmap b;
  EXPECT_FALSE(form.LoadJpgResource("Broken", b));
  EXPECT_FALSE(form.LoadBmpResource("Broken", b));
  EXPECT_TRUE(b.Empty());
}

TEST_F(LoaderTest, TextSplitsAtCrLfAndKeepsALastLineWithoutEnding) {
  TStringList list;
  ASSERT_TRUE(form.LoadTxtResource("Lines", list));
  ASSERT_EQ(list.Count(), 4u);
  EXPECT_EQ(list[0], "first");
  EXPECT_EQ(list[2], "");
  EXPECT_EQ(list[3], "last without ending");
}

TEST_F(LoaderTest, WavIsHeldInPlaceUnderItsNumber) {
  form.LoadWavResource("beep", 7);
  EXPECT_EQ(form.SoundBank[7].Size, 4u);
  EXPECT_EQ(form.SoundBank[7].Data, store.Get("WAV", "Beep").Data);  // not copied
}

TEST(SoundBank, NumbersAToThirteenThenBFromZero) {
  headless::Platform platform;
  TVeyraFM form(platform, TResourceStore::Embedded());
  form.LoadSoundBank();
  const TResourceStore& res = TResourceStore::Embedded();
  EXPECT_EQ(form.SoundBank[1].Data, res.Get("WAV", "A01").Data);
  EXPECT_EQ(form.SoundBank[13].Data, res.Get("WAV", "A13").Data);
  EXPECT_EQ(form.SoundBank[14].Data, res.Get("WAV", "B00").Data);
  EXPECT_EQ(form.SoundBank[40].Data, res.Get("WAV", "B26").Data);
  EXPECT_EQ(form.SoundBank[0].Data, nullptr);
  form.FreeSoundBank();
  EXPECT_EQ(form.SoundBank[14].Data, nullptr);
}

}  // namespace
}  // namespace lv
