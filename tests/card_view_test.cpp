// Drawing the card in its frame at any width, and the card pictures.
#include <gtest/gtest.h>

#include "assets/my_sys_u.h"
#include "tests/card_fixtures.h"

namespace lv {
namespace {

TEST(CardSlotGeometry, CentresThePictureInTheCardArea) {
  struct Case {
    int width, height;
    TCardSlotGeometry expected;
  } cases[] = {
      {340, 500, {36, 48, 340, 500, 170}},
      {300, 480, {56, 58, 300, 480, 150}},
      {341, 503, {36, 47, 341, 503, 170}},  // larger: the half pixel is dropped toward zero
      {0, 0, {206, 298, 0, 0, 0}},          // a picture that could not be decoded
  };
  for (const Case& c : cases) {
    const TCardSlotGeometry g = SlotGeometryFor(c.width, c.height);
    EXPECT_EQ((std::array{g.Left, g.Top, g.Width, g.Height, g.HalfWidth}),
              (std::array{c.expected.Left, c.expected.Top, c.expected.Width, c.expected.Height, c.expected.HalfWidth}))
        << c.width << "x" << c.height;
  }
}

// Pictures whose every pixel tells where it came from: the background, the face,
// and the two frame strips with their source coordinates in the colour.
const TColor Outside = MakeColor(0, 0, 3);
const TColor Nami = MakeColor(0, 0, 1);
const TColor Face = MakeColor(0, 0, 2);
TColor Tate(int x, int y) { return MakeColor(y & 255, y >> 8, 10 + x); }
TColor Yoko(int x, int y) { return MakeColor(x & 255, x >> 8, 20 + y); }

class FramedCardTest : public test::WindowTest {
 protected:
  void SetUp() override {
    form.BackBuffer.SetSize(kFormWidth, kFormHeight);
    form.BackBuffer.FillRect(0, 0, kFormWidth, kFormHeight, Outside);
    form.NamiBmp.SetSize(NamiWidth, NamiHeight);
    form.NamiBmp.FillRect(0, 0, NamiWidth, NamiHeight, Nami);
    form.WakuTateBmp.SetSize(8, 504);
    for (int y = 0; y < 504; ++y)
      for (int x = 0; x < 8; ++x) form.WakuTateBmp.SetPixel(x, y, Tate(x, y));
    form.WakuYokoBmp.SetSize(348, 8);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 348; ++x) form.WakuYokoBmp.SetPixel(x, y, Yoko(x, y));
    form.CardFace.SetSize(340, 500);
    form.CardFace.FillRect(0, 0, 340, 500, Face);
    form.CardSlotGeometry[SlotFace] = SlotGeometryFor(340, 500);
  }

  // The smallest rectangle (left, top, right, bottom) holding every pixel that
  // differs from the given colour.
  TRect ExtentOfAllBut(TColor colour) const {
    TRect r{kFormWidth, kFormHeight, 0, 0};
    for (int y = 0; y < kFormHeight; ++y)
      for (int x = 0; x < kFormWidth; ++x)
        if (form.BackBuffer.Pixel(x, y) != colour)
          r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
    return r;
  }
};

// Read on the row through the middle of the card: the left edge's first column is
// X - 4 + E and the right edge's is X + W - E, E being 0 at full width and 1 else.
TEST_F(FramedCardTest, EachPercentDrawsItsWidthAtItsPlaceWithinTheBackgroundRectangle) {
  struct Case {
    int percent, width, x;
  } cases[] = {{100, 340, 36}, {90, 306, 53}, {78, 264, 74}, {60, 204, 104}, {35, 118, 147}, {0, 4, 204}};
  const int row = 298, stripRow = row - 46;
  for (const Case& c : cases) {
    form.DrawCard(SlotFace, c.percent, false);
    const int e = c.percent == 100 ? 0 : 1;
    int leftEdge = -1, rightEdge = -1;
    for (int x = kFormWidth - 1; x >= 0; --x) {
      if (form.BackBuffer.Pixel(x, row) == Tate(0, stripRow)) leftEdge = x;
      if (form.BackBuffer.Pixel(x, row) == Tate(4, stripRow)) rightEdge = x;
    }
    EXPECT_EQ(leftEdge + 4 - e, c.x) << c.percent;
    EXPECT_EQ(rightEdge - c.x + e, c.width) << c.percent;
    for (int x = leftEdge + 4; x < rightEdge; ++x) ASSERT_EQ(form.BackBuffer.Pixel(x, row), Face) << c.percent << " " << x;
    const TColor beside = c.percent == 100 ? Outside : Nami;
    EXPECT_EQ(form.BackBuffer.Pixel(leftEdge - 1, row), beside) << c.percent;
    EXPECT_EQ(form.BackBuffer.Pixel(rightEdge + 4, row), beside) << c.percent;
    const TRect drawn = ExtentOfAllBut(Outside);
    EXPECT_EQ(drawn, (TRect{NamiLeft, NamiTop, NamiLeft + NamiWidth, NamiTop + NamiHeight})) << c.percent;
  }
}

TEST_F(FramedCardTest, FrameAtFullWidthExactlyFillsTheBackgroundRectangle) {
  form.NamiBmp.FillRect(0, 0, NamiWidth, NamiHeight, Outside);  // only the card and frame show
  form.DrawCard(SlotFace, 100, false);
  EXPECT_EQ(ExtentOfAllBut(Outside), (TRect{32, 44, 380, 552}));
}

// Each piece comes from its place in the strips; where pieces overlap, the later one
// (top and bottom over the sides) wins; corners beyond the dots stay background.
TEST_F(FramedCardTest, FramePiecesComeFromTheirSourcesInTheirOrder) {
  struct Point {
    int x, y;
    TColor expected;
  };
  struct Case {
    int percent;
    std::vector<Point> points;
  } cases[] = {
      {100,
       {{32, 46, Tate(0, 0)},    {35, 547, Tate(3, 501)},  {376, 48, Tate(4, 2)},   {379, 549, Tate(7, 503)},
        {34, 44, Yoko(2, 0)},    {205, 47, Yoko(173, 3)},  {206, 44, Yoko(174, 0)}, {377, 47, Yoko(345, 3)},
        {34, 548, Yoko(2, 4)},   {377, 551, Yoko(345, 7)}, {33, 45, Yoko(1, 1)},    {378, 45, Yoko(346, 1)},
        {33, 550, Yoko(1, 6)},   {378, 550, Yoko(346, 6)}, {34, 46, Yoko(2, 2)},    {377, 549, Yoko(345, 5)},
        {36, 48, Face},          {375, 547, Face},         {32, 44, Nami},          {379, 551, Nami}}},
      {35,
       {{144, 46, Tate(0, 0)},   {147, 300, Tate(3, 254)}, {264, 300, Tate(4, 254)}, {267, 549, Tate(7, 503)},
        {146, 44, Yoko(2, 0)},   {205, 47, Yoko(61, 3)},   {206, 44, Yoko(174, 0)},  {265, 44, Yoko(233, 0)},
        {146, 548, Yoko(2, 4)},  {265, 551, Yoko(233, 7)}, {145, 45, Yoko(1, 1)},    {266, 45, Yoko(346, 1)},
        {145, 550, Yoko(1, 6)},  {266, 550, Yoko(346, 6)}, {265, 46, Yoko(233, 2)},
        {148, 48, Face},         {263, 547, Face},         {143, 300, Nami},         {268, 300, Nami}}},
  };
  for (const Case& c : cases) {
    form.DrawCard(SlotFace, c.percent, false);
    for (const Point& p : c.points)
      EXPECT_EQ(form.BackBuffer.Pixel(p.x, p.y), p.expected) << c.percent << " at " << p.x << "," << p.y;
  }
}

TEST_F(FramedCardTest, OnlyToScreenShowsTheBackgroundRectangleOnTheWindow) {
  form.DrawCard(SlotFace, 60, false);
  EXPECT_TRUE(screen.invalidated.empty());
  form.DrawCard(SlotFace, 60, true);
  ASSERT_EQ(screen.invalidated.size(), 1u);
  EXPECT_EQ(screen.invalidated[0], (TRect{32, 44, 380, 552}));
  EXPECT_TRUE(test::Crop(screen.Canvas(), 32, 44, 348, 508) == test::Crop(form.BackBuffer, 32, 44, 348, 508));
  EXPECT_EQ(screen.Canvas().Pixel(31, 300), 0u);
}

TEST_F(FramedCardTest, AnEmptyPictureLeavesTheBackgroundAndACollapsedFrame) {
  form.CardFace = TBitmap();
  form.CardSlotGeometry[SlotFace] = SlotGeometryFor(0, 0);
  form.DrawCard(SlotFace, 100, true);
  EXPECT_EQ(form.BackBuffer.Pixel(206, 200), Nami);
  EXPECT_EQ(form.BackBuffer.Pixel(206, 297), Yoko(174, 3));
  EXPECT_EQ(form.BackBuffer.Pixel(206, 298), Yoko(174, 4));
}

using CardPictureTest = test::CreatedWindowTest;

TEST_F(CardPictureTest, FaceIsTheCardsOwnOnceSeenItsTransformedFormWhenAskedAndElseTheTitle) {
  struct Case {
    int card;
    bool seen, transformed;
    const char* picture;
  } cases[] = {{7, false, false, "C000"}, {7, true, false, "C007"}, {7, true, true, "HC007"},
               {0, false, false, "C000"}, {0, false, true, "HC000"}, {29, true, false, "C029"}};
  for (const Case& c : cases) {
    form.MarkCardUnseen(0, true);
    if (c.seen) form.MarkCardSeen(c.card, false);
    form.Transformed = c.transformed;
    form.LoadFacePicture(c.card);
    EXPECT_TRUE(form.CardFace == test::EmbeddedJpg(c.picture)) << c.card << " " << c.picture;
  }
  const TCardSlotGeometry& g = form.CardSlotGeometry[SlotFace];
  EXPECT_EQ((std::array{g.Left, g.Top, g.Width, g.Height, g.HalfWidth}), (std::array{36, 48, 340, 500, 170}));
}

TEST_F(CardPictureTest, CreationPutsTheBackAndTheTitleFaceAtFullWidthIntoTheBackBufferOnly) {
  EXPECT_TRUE(form.CardBack == test::EmbeddedJpg("C999"));
  EXPECT_TRUE(test::Crop(form.BackBuffer, 36, 48, 340, 500) == test::EmbeddedJpg("C000"));
  EXPECT_EQ(form.BackBuffer.Pixel(32, 44), form.NamiBmp.Pixel(0, 0));
  for (const TRect& r : screen.invalidated)  // only buttons reached the window, never the card
    EXPECT_FALSE(r.Left < 380 && r.Top < 552 && r.Right > 32 && r.Bottom > 44) << r.Left << "," << r.Top;
}

}  // namespace
}  // namespace lv
