// The window's two pictures, its creation and teardown, and the single-instance start.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/program_entry.h"
#include "tests/card_fixtures.h"

namespace lv {
namespace {

using test::WindowTest;

TEST_F(WindowTest, CreationLeavesTheBackgroundInTheBackBufferAndNothingOnScreen) {
  form.FormCreate();
  // The card and the buttons are drawn over the background; left of the card it shows.
  EXPECT_TRUE(test::Crop(form.BackBuffer, 0, 0, 32, kFormHeight) ==
              test::Crop(test::EmbeddedJpg("Base"), 0, 0, 32, kFormHeight));
  EXPECT_EQ(form.BackBuffer.Width(), kFormWidth);
  EXPECT_EQ(form.BackBuffer.Height(), kFormHeight);
  EXPECT_EQ(form.AnimState, 0);
  EXPECT_FALSE(form.Memo1->ReadOnly());
  EXPECT_TRUE(form.Memo1->Visible());
  EXPECT_EQ(form.Memo1->MaxLength(), 380);
  EXPECT_EQ(form.ExeDir, platform.folder.Path());
}

TEST_F(WindowTest, RepaintRestoresTheBackBufferOverADirectDraw) {
  form.FormCreate();
  form.FormPaint();
  screen.Canvas().FillRect(100, 100, 20, 20, 0x123456);  // a passing frame
  ASSERT_FALSE(screen.Canvas() == form.BackBuffer);
  form.FormPaint();
  EXPECT_TRUE(screen.Canvas() == form.BackBuffer);
}

TEST_F(WindowTest, CopyWithoutShowChangesTheScreenOnlyAtTheNextShow) {
  form.FormCreate();
  form.FormPaint();
  const TBitmap before = screen.Canvas();
  TBitmap patch(10, 10);
  patch.FillRect(0, 0, 10, 10, 0x00FF00);
  form.CopyToBackBuffer(patch, 0, 0, 10, 10, 50, 60, false);
  EXPECT_TRUE(screen.Canvas() == before);
  EXPECT_EQ(form.BackBuffer.Pixel(55, 65), 0x00FF00u);
  form.ShowBackBuffer(50, 60, 10, 10);
  EXPECT_EQ(screen.Canvas().Pixel(55, 65), 0x00FF00u);
  EXPECT_EQ(screen.Canvas().Pixel(49, 65), before.Pixel(49, 65));
  EXPECT_EQ(screen.invalidated.back(), (TRect{50, 60, 60, 70}));
}

TEST_F(WindowTest, CopyWithShowUpdatesExactlyThatRectangle) {
  form.FormCreate();
  form.FormPaint();
  TBitmap patch(4, 3);
  patch.FillRect(0, 0, 4, 3, 0xABCDEF);
  form.CopyToBackBuffer(patch, 1, 1, 2, 2, 10, 20, true);
  EXPECT_EQ(screen.Canvas().Pixel(10, 20), 0xABCDEFu);
  EXPECT_EQ(screen.Canvas().Pixel(11, 21), 0xABCDEFu);
  EXPECT_EQ(screen.invalidated.back(), (TRect{10, 20, 12, 22}));
}

TEST_F(WindowTest, TeardownFreesPicturesAndStopsSound) {
  form.FormCreate();
  form.FormDestroy();
  EXPECT_TRUE(form.Closing);
  EXPECT_TRUE(form.BackBuffer.Empty());
  EXPECT_EQ(form.SoundBank[1].Data, nullptr);
  EXPECT_GE(platform.sound.stopCount, 1);
}

TEST_F(WindowTest, StartsCentredOnTheScreen) {
  struct Case {
    int w, h, left, top;
  } cases[] = {{1024, 768, 143, 86}, {800, 600, 31, 2}, {640, 480, -48, -58}};
  for (const Case& c : cases) {
    platform.screen.width = c.w;
    platform.screen.height = c.h;
    form.CentreWindow();
    EXPECT_EQ(screen.Left(), c.left) << c.w << "x" << c.h;
    EXPECT_EQ(screen.Top(), c.top) << c.w << "x" << c.h;
  }
}

TEST(ExeDir, IsTheFolderOfTheProgramWithItsSeparator) {
  EXPECT_EQ(ExeDirOf("/home/u/Lunavox/lunavox"), "/home/u/Lunavox/");
  EXPECT_EQ(ExeDirOf("lunavox"), "./");
  const std::string deep = "/" + std::string(150, 'a') + "/" + std::string(150, 'b') + "/";
  EXPECT_EQ(ExeDirOf(deep + "lunavox"), deep) << "a long folder is kept whole";
}

TEST(ProgramEntry, ARunningCopyIsRaisedAndNoWindowIsMade) {
  test::TestPlatform platform;
  platform.windows.windows.push_back({"Lunavox2009", true, false});
  EXPECT_EQ(RunLunavox(platform, TResourceStore::Embedded()), 0);
  EXPECT_FALSE(platform.windows.windows[0].iconic);
  EXPECT_TRUE(platform.windows.windows[0].front);
  EXPECT_EQ(platform.app.form, nullptr);
  EXPECT_EQ(platform.app.Title(), "");
  EXPECT_TRUE(std::filesystem::is_empty(platform.folder.Path()));  // no settings file read or written
}

TEST(ProgramEntry, WithoutACopyTheTitleIsSetAndTheWindowRuns) {
  test::TestPlatform platform;
  platform.windows.windows.push_back({"Lunavox2008", false, false});
  EXPECT_EQ(RunLunavox(platform, TResourceStore::Embedded()), 0);
  EXPECT_EQ(platform.app.Title(), "Lunavox2009");
  EXPECT_EQ(platform.app.runCount, 1);
  EXPECT_FALSE(platform.windows.windows[0].front);
  EXPECT_TRUE(platform.app.errors.empty());
}

TEST(ProgramEntry, AnErrorDuringCreationIsShownAndTheWindowStillRuns) {
  test::TestPlatform platform;
  TResourceStore withoutBase;  // no resources at all: the first picture is missing
  EXPECT_EQ(RunLunavox(platform, withoutBase), 0);
  ASSERT_EQ(platform.app.errors.size(), 1u);
  EXPECT_NE(platform.app.errors[0].find("not found"), std::string::npos);
  EXPECT_EQ(platform.app.runCount, 1);
}

}  // namespace
}  // namespace lv
