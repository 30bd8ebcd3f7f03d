#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "assets/file_replace.h"
#include "assets/settings_file.h"

namespace lv {
namespace {

namespace fs = std::filesystem;

class FileReplaceTest : public ::testing::Test {
 protected:
  FileReplaceTest() {
    std::string pattern = (fs::temp_directory_path() / "lunavox-settings-XXXXXX").string();
    folder = mkdtemp(pattern.data());
    path = (folder / "Veyra.ini").string();
  }
  ~FileReplaceTest() override { fs::remove_all(folder); }

  void Put(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    return names;
  }

  fs::path folder;
  std::string path;
};

TEST_F(FileReplaceTest, ReplacesTheFileKeepingItsPermissionsAndLeavesNoTemporaryFile) {
  Put("old");
  chmod(path.c_str(), 0640);
  std::string reason;
  ASSERT_TRUE(ReplaceFile(path, "new bytes", &reason)) << reason;
  EXPECT_EQ(ReadWholeFile(path), "new bytes");
  EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640));
  EXPECT_EQ(Names(), std::vector<std::string>{"Veyra.ini"});

  const mode_t oldMask = umask(027);
  const std::string fresh = (folder / "fresh.ini").string();
  EXPECT_TRUE(ReplaceFile(fresh, "x"));
  umask(oldMask);
  EXPECT_EQ(fs::status(fresh).permissions(), fs::perms(0640)) << "a new file follows the umask";
}

TEST_F(FileReplaceTest, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
  Put("old contents");
  // A file size limit makes the write of the temporary file itself fail, as a
  // full disk would.
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  sighandler_t oldHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit tiny = saved;
  tiny.rlim_cur = 4;
  setrlimit(RLIMIT_FSIZE, &tiny);
  std::string reason;
  const bool replaced = ReplaceFile(path, std::string(100, 'n'), &reason);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(replaced);
  EXPECT_NE(reason.find("cannot write"), std::string::npos) << reason;
  EXPECT_EQ(ReadWholeFile(path), "old contents");
  EXPECT_EQ(Names(), std::vector<std::string>{"Veyra.ini"});
}

TEST_F(FileReplaceTest, AnUnwritableFolderFailsAndSaysSo) {
  Put("a file, not a folder");
  std::string reason;
  EXPECT_FALSE(ReplaceFile(path + "/Veyra.ini", "x", &reason));
  EXPECT_NE(reason.find("cannot create"), std::string::npos) << reason;
  EXPECT_FALSE(ReplaceFile((folder / "missing" / "Veyra.ini").string(), "x"));
  EXPECT_EQ(ReadWholeFile(path), "a file, not a folder");
}

TEST_F(FileReplaceTest, AFailedRenameRemovesTheTemporaryFile) {
  fs::create_directory(path);  // a folder by the file's name cannot be replaced
  std::string reason;
  EXPECT_FALSE(ReplaceFile(path, "x", &reason));
  EXPECT_NE(reason.find("cannot replace"), std::string::npos) << reason;
  EXPECT_EQ(Names(), std::vector<std::string>{"Veyra.ini"});
}

TEST_F(FileReplaceTest, AMissingOrUnreadableFileLoadsAsAnEmptyOne) {
  EXPECT_EQ(ReadWholeFile(path), std::nullopt);
  EXPECT_EQ(TSettingsFile::Load("Veyra.ini", path).Bytes(), "");
  fs::create_directory(path);
  EXPECT_EQ(TSettingsFile::Load("Veyra.ini", path).ReadInteger("Fate", 4), 4);
}

// A pipe or a device by the settings file's name would block the start or never
// end; they read as no file at once, and are never replaced by one.
TEST_F(FileReplaceTest, APipeOrADeviceReadsAsNoFileAndIsNotReplaced) {
  ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
  EXPECT_EQ(ReadWholeFile(path), std::nullopt);
  std::string reason;
  EXPECT_FALSE(ReplaceFile(path, "x", &reason));
  EXPECT_TRUE(fs::is_fifo(path)) << reason;

  const std::string device = (folder / "zero.ini").string();
  fs::create_symlink("/dev/zero", device);
  EXPECT_EQ(ReadWholeFile(device), std::nullopt);
  EXPECT_FALSE(ReplaceFile(device, "x"));
  EXPECT_EQ(Names().size(), 2u) << "no temporary file is left";
}

TEST_F(FileReplaceTest, ALinkStaysALinkAndTheFileItNamesIsReplaced) {
  fs::create_directory(folder / "real");
  std::ofstream(folder / "real" / "settings.ini") << "old";
  struct Case {
    const char* what;
    fs::path link, target, expectedFile;
  } cases[] = {
      {"relative link", folder / "Veyra.ini", "real/settings.ini", folder / "real" / "settings.ini"},
      {"absolute link", folder / "abs.ini", folder / "real" / "settings.ini", folder / "real" / "settings.ini"},
      {"link to a link", folder / "twice.ini", "abs.ini", folder / "real" / "settings.ini"},
      {"dangling link", folder / "new.ini", "real/created.ini", folder / "real" / "created.ini"},
  };
  for (const Case& c : cases) {
    fs::create_symlink(c.target, c.link);
    std::string reason;
    ASSERT_TRUE(ReplaceFile(c.link.string(), c.what, &reason)) << c.what << ": " << reason;
    EXPECT_TRUE(fs::is_symlink(c.link)) << c.what;
    EXPECT_EQ(ReadWholeFile(c.expectedFile.string()), c.what);
  }
  fs::create_symlink("loop.ini", folder / "loop.ini");
  EXPECT_FALSE(ReplaceFile((folder / "loop.ini").string(), "x")) << "a link to itself";
}

TEST_F(FileReplaceTest, AReadOnlyFileStaysAsItIs) {
  Put("old");
  chmod(path.c_str(), 0444);
  std::string reason;
  EXPECT_FALSE(ReplaceFile(path, "new", &reason));
  EXPECT_NE(reason.find("cannot replace"), std::string::npos) << reason;
  EXPECT_EQ(ReadWholeFile(path), "old");
  EXPECT_EQ(fs::status(path).permissions(), fs::perms(0444));
  EXPECT_EQ(Names(), std::vector<std::string>{"Veyra.ini"});
}

TEST_F(FileReplaceTest, SettingsSurviveASaveAndALoad) {
  Put("[Veyra.ini]\r\nFate=3\r\n");
  TSettingsFile file = TSettingsFile::Load("Veyra.ini", path);
  file.WriteInteger("Fate", 9);
  ASSERT_TRUE(file.Save(path));
  EXPECT_EQ(ReadWholeFile(path), "[Veyra.ini]\r\nFate=9\r\n");
}

}  // namespace
}  // namespace lv
