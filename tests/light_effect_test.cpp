// The sparkles: their lives, where they show, the press that moves the light point,
// and the light point kept in the settings.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <numbers>
#include <sstream>
#include <vector>

#include "tests/card_fixtures.h"

namespace lv {
namespace {

constexpr TColor White = 0xFFFFFF;

// The pixels of a picture's rectangle that are white.
int WhiteIn(const TBitmap& picture, const TRect& r) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += picture.Pixel(x, y) == White;
  return n;
}

TEST(LightEffectTest, RebornParticlesTakeTheirValuesFromTheStatedRanges) {
  TRandom rng;
  rng.Randomize(7);
  TLightEffect light;
  for (int round = 0; round < 200; ++round) {
    light.ResetParticles(rng);
    for (int i = 0; i <= ParticleMax; ++i) {
      const TParticle& p = light.Particle(i);
      ASSERT_GE(p.Angle, 0.0);
      ASSERT_LT(p.Angle, 2 * std::numbers::pi);
      ASSERT_GE(p.Dist, -9);
      ASSERT_LE(p.Dist, 0);
      ASSERT_EQ(p.Age, 0);
      ASSERT_GE(p.Life, 34);
      ASSERT_LE(p.Life, 43);
      ASSERT_GE(p.Fade, 14);
      ASSERT_LE(p.Fade, 28);
    }
  }
}

// One particle flying straight down from the centre, the others far from showing:
// hidden while within one pixel, a plus sign until it fades, a dot until its life
// ends, then reborn at the centre without being drawn in that step.
TEST(LightEffectTest, AParticleShowsAsAPlusThenADotAndIsReborn) {
  TRandom rng;
  rng.Randomize(1);
  TLightEffect light;
  for (int i = 1; i <= ParticleMax; ++i) light.SetParticle(i, {0.0, -1000, 0, 1000, 1000});
  light.SetParticle(0, {0.0, 0, 0, 3, 5});
  const TBitmap back(kFormWidth, kFormHeight);
  TBitmap star(3, 3);
  star.FillRect(0, 0, 3, 3, White);
  const TRect all{0, 0, LightSize, LightSize};
  auto step = [&] { return light.Step(back, star, true, rng); };

  EXPECT_EQ(WhiteIn(step(), all), 0);  // distance 1
  const TBitmap& plus = step();        // distance 2: a plus centred on (45, 47)
  EXPECT_EQ(WhiteIn(plus, all), 5);
  for (auto [x, y] : {std::pair{45, 46}, {45, 47}, {45, 48}, {44, 47}, {46, 47}})
    EXPECT_EQ(plus.Pixel(x, y), White) << x << "," << y;
  for (int dotY : {47, 48, 49}) {  // ages 3 to 5: a dot at the plus sign's corner
    const TBitmap& dot = step();
    EXPECT_EQ(WhiteIn(dot, all), 1);
    EXPECT_EQ(dot.Pixel(44, dotY), White);
  }
  EXPECT_EQ(WhiteIn(step(), all), 0);  // reborn
  EXPECT_EQ(light.Particle(0).Age, 0);
  EXPECT_LE(light.Particle(0).Dist, 0);
}

class LightWindowTest : public test::CreatedWindowTest {
 protected:
  TBitmap OnScreen(const TRect& r) { return test::Crop(screen.Canvas(), r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); }
  TBitmap AtRest(const TRect& r) { return test::Crop(form.BackBuffer, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); }
  bool Sparkling() { return !(OnScreen(form.Light.Square()) == AtRest(form.Light.Square())); }
  void StepUntilSparkling() {
    for (int i = 0; i < 20 && !Sparkling(); ++i) Step();
    ASSERT_TRUE(Sparkling());
  }
};

TEST_F(LightWindowTest, SparklesPlayOnTheWindowOnlyAndARepaintWipesThem) {
  form.FormPaint();
  const TBitmap rest = form.BackBuffer;
  EXPECT_EQ(form.Light.Square(), (TRect{160, 252, 247, 339}));
  StepUntilSparkling();
  EXPECT_TRUE(form.BackBuffer == rest);
  form.FormPaint();
  EXPECT_FALSE(Sparkling());
  Step();
  EXPECT_TRUE(Sparkling());
}

TEST_F(LightWindowTest, WithLightShowOffTheyPlayOnlyOverTheTitleCard) {
  form.SetLightShow(false);
  StepUntilSparkling();  // card 0
  form.CardNo = 5;
  std::vector<TParticle> frozen;
  for (int i = 0; i <= ParticleMax; ++i) frozen.push_back(form.Light.Particle(i));
  Step();
  EXPECT_FALSE(Sparkling());
  Step();
  for (int i = 0; i <= ParticleMax; ++i) EXPECT_EQ(form.Light.Particle(i).Age, frozen[i].Age) << i;
  form.CardNo = 0;
  Step();
  EXPECT_EQ(form.Light.Particle(0).Age, frozen[0].Age + 1);
}

TEST_F(LightWindowTest, SparklesRestDuringACardTurnAndStartAfreshAtItsEnd) {
  StepUntilSparkling();
  form.AnimState = CardTurn;
  Step();
  EXPECT_FALSE(Sparkling());
  const int age = form.Light.Particle(3).Age;
  while (form.AnimState != CardTurnEnd) {
    Step();
    ASSERT_EQ(form.Light.Particle(3).Age, age) << form.AnimState;
  }
  Step();
  for (int i = 0; i <= ParticleMax; ++i) EXPECT_EQ(form.Light.Particle(i).Age, 0) << i;
}

// The light square next to the mascot: its repaint leaves the mascot's cell alone,
// where the mascot's passing frames are drawn.
TEST_F(LightWindowTest, TheLightSquareNeverCoversTheMascotsCell) {
  form.FormPaint();
  form.SetLightPointAt(370, 200);
  const TRect cell{380, 147, 458, 285};
  screen.Canvas().FillRect(cell.Left, cell.Top, 78, 138, 0x123456);  // a passing frame
  Step();
  form.EraseLight();
  EXPECT_EQ(screen.Canvas().Pixel(380, 160), 0x123456u);
  EXPECT_EQ(screen.Canvas().Pixel(400, 240), 0x123456u);
  EXPECT_EQ(screen.Canvas().Pixel(379, 160), form.BackBuffer.Pixel(379, 160));
}

TEST_F(LightWindowTest, APressOnTheCardMovesTheLightPointThere) {
  form.FormPaint();
  ForgetSounds();
  form.FormMouseDown(nullptr, TMouseButton::mbLeft, 0, 100, 200);
  EXPECT_EQ(form.AnimState, LightHold);
  EXPECT_EQ(LastSoundNo(), 11);
  EXPECT_EQ(form.Light.Square(), (TRect{55, 155, 142, 242}));
  // The first sparkles, two pixels out, lie around the pressed point.
  StepUntilSparkling();
  for (int y = 155; y < 242; ++y)
    for (int x = 55; x < 142; ++x)
      if (screen.Canvas().Pixel(x, y) != form.BackBuffer.Pixel(x, y)) {
        EXPECT_LE(std::abs(x - 100), 3) << x << "," << y;
        EXPECT_LE(std::abs(y - 200), 3) << x << "," << y;
      }
  form.FormMouseUp(nullptr, TMouseButton::mbLeft, 0, 100, 200);
  EXPECT_EQ(form.AnimState, Idle);
  EXPECT_EQ(LastSoundNo(), 10);
}

TEST_F(LightWindowTest, DispatchRowLightClick) {
  struct Case {
    const char* what;
    bool lightShow;
    int cardNo, x, y;
    int animState, sound;
  } cases[] = {
      {"title card, light over pictures off", false, 0, 100, 200, LightHold, 11},
      {"card 5, light over pictures on", true, 5, 35, 47, LightHold, 11},
      {"card 5, light over pictures off: a drag", false, 5, 100, 200, DragHold, 9},
      {"right of the card picture: a drag", true, 0, 375, 200, DragHold, 9},
      {"below the card picture: a drag", true, 0, 100, 547, DragHold, 9},
  };
  for (const Case& c : cases) {
    form.AnimState = Idle;
    form.SetLightShow(c.lightShow);
    form.CardNo = c.cardNo;
    form.SetLightPoint(LightHomeX, LightHomeY);
    ForgetSounds();
    form.FormMouseDown(nullptr, TMouseButton::mbLeft, 0, c.x, c.y);
    EXPECT_EQ(form.AnimState, c.animState) << c.what;
    EXPECT_EQ(LastSoundNo(), c.sound) << c.what;
    EXPECT_EQ(form.Light.LightX() != LightHomeX, c.animState == LightHold) << c.what;
  }
}

TEST_F(LightWindowTest, TheMenuCommandsOfTheLight) {
  form.SetLightPointAt(100, 200);
  EXPECT_TRUE(form.CanCentreLightPoint());
  form.LightPointChangeClick();
  EXPECT_EQ(form.Light.LightX(), LightHomeX);
  EXPECT_EQ(form.Light.LightY(), LightHomeY);
  EXPECT_EQ(LastSoundNo(), 10);
  EXPECT_FALSE(form.CanCentreLightPoint());
  form.LightShowChangeClick();
  EXPECT_FALSE(form.LightShow);
  EXPECT_FALSE(screen.popupMenu->Checked("LightShowChange"));
}

class LightSettingsTest : public test::WindowTest {
 protected:
  std::string ReadIni() const {
    std::ifstream in(platform.folder.Path() + "Veyra.ini", std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
  }
};

// Only a light point that a press on the card picture can give is taken; any other
// would throw the sparkles off the card, or overflow the square's position.
TEST_F(LightSettingsTest, ASavedLightPointOffTheCardReadsAsTheCentredOne) {
  struct Case {
    const char* starX;
    const char* starY;
    int x, y;
  } cases[] = {
      {"-106", "-98", -106, -98}, {"-171", "-251", -171, -251}, {"168", "248", 168, 248},
      {"-172", "0", -1, -1},      {"169", "0", -1, -1},         {"0", "-252", -1, -1},
      {"0", "249", -1, -1},       {"2147483647", "0", -1, -1},  {"-2147483648", "-2147483648", -1, -1},
      {"abc", "5", 0, 5},
  };
  for (const Case& c : cases) {
    test::TestPlatform platform;
    TVeyraFM form(platform, TResourceStore::Embedded());
    std::ofstream(platform.folder.Path() + "Veyra.ini", std::ios::binary)
        << "[Veyra.ini]\r\nResumeOk=1\r\nCardNum=3\r\nStarX=" << c.starX << "\r\nStarY=" << c.starY << "\r\n";
    form.FormCreate();
    EXPECT_EQ(form.Light.LightX(), c.x) << c.starX << "," << c.starY;
    EXPECT_EQ(form.Light.LightY(), c.y) << c.starX << "," << c.starY;
    // The replay puts back the same point.
    form.SetLightPoint(20, 20);
    form.AnimState = ReplayTurn;
    form.AnimStep();
    EXPECT_EQ(form.Light.LightX(), c.x) << "replay " << c.starX << "," << c.starY;
    EXPECT_EQ(form.Light.LightY(), c.y) << "replay " << c.starX << "," << c.starY;
  }
}

TEST_F(LightSettingsTest, TheLightPointIsSavedAtExit) {
  form.FormCreate();
  form.FormMouseDown(nullptr, TMouseButton::mbLeft, 0, 100, 200);
  form.FormMouseUp(nullptr, TMouseButton::mbLeft, 0, 100, 200);
  form.FormDestroy();
  const std::string ini = ReadIni();
  EXPECT_NE(ini.find("StarX=-106\r\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("StarY=-98\r\n"), std::string::npos) << ini;
}

}  // namespace
}  // namespace lv
