#include "tests/test_support.h"

#include <cstdlib>
#include <filesystem>

#include "assets/picture_decoders.h"

namespace lv::test {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "lunavox-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a test folder");
  path_ = pattern + "/";
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

TBitmap EmbeddedJpg(const std::string& name) {
  TResourceBytes bytes = TResourceStore::Embedded().Get("JPG", name);
  TBitmap bitmap;
  EXPECT_TRUE(DecodeJpeg(bytes.Data, bytes.Size, bitmap)) << name;
  return bitmap;
}

}  // namespace lv::test
