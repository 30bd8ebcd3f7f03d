// The window outline: runs of a mask picture, region data in a stream, the shipped
// mask, and stay-on-top handing the window a fresh outline.
#include <gtest/gtest.h>

#include <strings.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "assets/embedded_resources.h"
#include "region/region_u.h"
#include "tests/test_support.h"

namespace lv {
namespace {

constexpr TColor White = 0xFFFFFF;

// A picture from rows of text: '#' white, '.' black.
TBitmap Picture(const std::vector<std::string>& rows) {
  TBitmap picture(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) picture.SetPixel(x, y, rows[y][x] == '#' ? White : 0);
  return picture;
}

// Region data as a stream: the header's size, type and count as given, then rects.
TMemoryStream RegionStream(int headerSize, int type, int count, const std::vector<TRect>& rects) {
  TMemoryStream stream;
  auto put = [&](std::int32_t v) { stream.Write(&v, 4); };  // little-endian host
  for (int v : {headerSize, type, count, 0, 0, 0, 100, 100}) put(v);
  for (const TRect& r : rects)
    for (int v : {r.Left, r.Top, r.Right, r.Bottom}) put(v);
  stream.SetPosition(0);
  return stream;
}

TEST(RegionTest, OneRectanglePerRunOfPixelsNotOfTheTransparentColour) {
  struct Case {
    const char* what;
    std::vector<std::string> rows;
    TColor transparent;
    std::vector<TRect> rects;
  } cases[] = {
      {"white everywhere: one full row each, rows not merged", {"###", "###"}, 0,
       {{0, 0, 3, 1}, {0, 1, 3, 2}}},
      {"a run at the row's end ends at the width", {".##"}, 0, {{1, 0, 3, 1}}},
      {"a single pixel", {"....", "..#.", "...."}, 0, {{2, 1, 3, 2}}},
      {"all black", {"...", "..."}, 0, {}},
      {"two runs in a row, left to right", {"#.#"}, 0, {{0, 0, 1, 1}, {2, 0, 3, 1}}},
      {"white as the transparent colour", {"#..#"}, White, {{1, 0, 3, 1}}},
  };
  for (const Case& c : cases) {
    TRegion region;
    region.makeRgnFromBitmap(Picture(c.rows), c.transparent);
    EXPECT_EQ(region.Rects(), c.rects) << c.what;
    EXPECT_EQ(region.CopyHandle(), c.rects) << c.what;
  }
}

TEST(RegionTest, APictureNotOf24BitsIsRefused) {
  for (TPixelFormat format : {TPixelFormat::pf8bit, TPixelFormat::pf32bit, TPixelFormat::pf1bit}) {
    TRegion region;
    region.makeRgnFromBitmap(Picture({"#"}), 0);
    TBitmap picture = Picture({"##"});
    picture.SetPixelFormat(format);
    try {
      region.makeRgnFromBitmap(picture, 0);
      ADD_FAILURE() << "no error for format " << static_cast<int>(format);
    } catch (const ERgnError& error) {
      EXPECT_STREQ(error.what(), "TRegion.makeRgnFromBitmap Failed");
    }
    EXPECT_EQ(region.Rects(), (std::vector<TRect>{{0, 0, 1, 1}}));
  }
}

TEST(RegionTest, MoreRunsThanOnePartHoldsAreLoadedInFull) {
  // 100 runs in each of 50 rows: 5000 rectangles, more than the 4000 of one part.
  std::vector<std::string> rows(50, std::string());
  for (std::string& row : rows)
    for (int i = 0; i < 100; ++i) row += "#.";
  TRegion region;
  region.makeRgnFromBitmap(Picture(rows), 0);
  ASSERT_EQ(region.Rects().size(), 5000u);
  EXPECT_EQ(region.Rects()[3999], (TRect{198, 39, 199, 40}));
  EXPECT_EQ(region.Rects()[4000], (TRect{0, 40, 1, 41}));
  EXPECT_EQ(region.Rects().back(), (TRect{198, 49, 199, 50}));
}

TEST(RegionTest, AStreamThatDoesNotHoldWhatItsHeaderSaysIsRefusedAndTheOldRegionKept) {
  const std::vector<TRect> two = {{0, 0, 5, 1}, {1, 1, 4, 2}};
  struct Case {
    const char* what;
    TMemoryStream stream;
  } cases[] = {
      {"header size 31", RegionStream(31, 1, 2, two)},
      {"type 2", RegionStream(32, 2, 2, two)},
      {"negative count", RegionStream(32, 1, -1, two)},
      {"count beyond the data", RegionStream(32, 1, 3, two)},
      {"a huge count", RegionStream(32, 1, 0x7FFFFFFF, two)},
      {"a header cut short", TMemoryStream(std::vector<std::uint8_t>(20, 0))},
  };
  for (Case& c : cases) {
    TRegion region;
    region.makeRgnFromBitmap(Picture({"#"}), 0);
    try {
      region.LoadFromStream(c.stream);
      ADD_FAILURE() << c.what << ": no error";
    } catch (const ERgnError& error) {
      EXPECT_STREQ(error.what(), "TRegion.LoadFromStream: Cannot Create Region") << c.what;
    }
    EXPECT_EQ(region.Rects(), (std::vector<TRect>{{0, 0, 1, 1}})) << c.what;
  }
  TMemoryStream sound = RegionStream(32, 1, 2, two);
  TRegion region;
  region.LoadFromStream(sound);
  EXPECT_EQ(region.Rects(), two);
}

class RegionWindowTest : public test::WindowTest {};

TEST_F(RegionWindowTest, TheShippedMaskGivesTheWindowItsOutline) {
  form.FormCreate();
  const std::vector<TRect>& rects = form.WindowRegion.Rects();
  ASSERT_EQ(rects.size(), 602u);
  std::vector<int> perRow(kFormHeight, 0);
  for (const TRect& r : rects) {
    ASSERT_EQ(r.Bottom, r.Top + 1);
    ++perRow.at(r.Top);
  }
  for (int y = 0; y < kFormHeight; ++y) {
    EXPECT_GE(perRow[y], 1) << "row " << y;
    EXPECT_LE(perRow[y], 2) << "row " << y;
  }
  EXPECT_EQ(screen.shape, rects);
  EXPECT_TRUE(platform.app.errors.empty());
}

TEST_F(RegionWindowTest, EveryStayOnTopCallHandsTheWindowAFreshOutline) {
  form.FormCreate();
  ASSERT_FALSE(screen.stayOnTop);
  const int applied = screen.shapeCount;
  form.SetStayOnTop(true);
  EXPECT_TRUE(screen.stayOnTop);
  EXPECT_TRUE(screen.popupMenu->Checked("MStayOnTop"));
  EXPECT_EQ(screen.shapeCount, applied + 1);
  // With the style already in force the check mark is left as it is.
  screen.popupMenu->SetChecked("MStayOnTop", false);
  screen.shape.clear();
  form.SetStayOnTop(true);
  EXPECT_FALSE(screen.popupMenu->Checked("MStayOnTop"));
  EXPECT_EQ(screen.shape, form.WindowRegion.Rects());
  form.SetStayOnTop(false);
  EXPECT_FALSE(screen.stayOnTop);
  EXPECT_FALSE(form.StayOnTop);
  EXPECT_EQ(screen.shapeCount, applied + 3);
  EXPECT_EQ(screen.shape.size(), 602u);
}

TEST_F(RegionWindowTest, AStayOnTopSettingTakesEffectAtStart) {
  std::ofstream(platform.folder.Path() + "Veyra.ini", std::ios::binary) << "[Veyra.ini]\r\nStayOnTop=1\r\n";
  form.FormCreate();
  EXPECT_TRUE(screen.stayOnTop);
  EXPECT_TRUE(screen.popupMenu->Checked("MStayOnTop"));
  EXPECT_EQ(screen.shape.size(), 602u);
}

// The embedded resources with the mask left out or replaced.
TResourceStore StoreWithMask(const std::vector<std::uint8_t>* mask) {
  TResourceStore store;
  for (const TEmbeddedResource* r = kEmbeddedResources; r->Type != nullptr; ++r)
    if (strcasecmp(r->Name, "BaseMsk") != 0)
      store.Add(r->Type, r->Name, {r->Begin, static_cast<std::size_t>(r->End - r->Begin)});
  if (mask) store.AddCopy("BMP", "BaseMsk", *mask);
  return store;
}

TEST(RegionStartTest, AMaskThatGivesNoOutlineLeavesTheWholeWindowAndTheStartGoesOn) {
  const std::vector<std::uint8_t> black = EncodeBmp24(TBitmap(kFormWidth, kFormHeight));
  const std::vector<std::uint8_t> damaged(black.begin(), black.begin() + 40);
  struct Case {
    const char* what;
    const std::vector<std::uint8_t>* mask;
    bool error;
  } cases[] = {{"missing", nullptr, true}, {"all black", &black, false}, {"unreadable", &damaged, false}};
  for (const Case& c : cases) {
    const TResourceStore store = StoreWithMask(c.mask);
    test::TestPlatform platform;
    TVeyraFM form(platform, store);
    form.FormCreate();
    headless::Form& screen = *platform.app.form;
    EXPECT_TRUE(screen.shape.empty()) << c.what;
    EXPECT_GE(screen.shapeCount, 1) << c.what;
    EXPECT_EQ(platform.app.errors.size(), c.error ? 1u : 0u) << c.what;
    EXPECT_TRUE(form.Memo1->Visible()) << c.what;            // the start ran to its end
    EXPECT_EQ(form.LabelNo->Caption(), "CARD.000") << c.what;
  }
}

}  // namespace
}  // namespace lv
