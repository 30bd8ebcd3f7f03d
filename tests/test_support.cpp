#include "tests/test_support.h"

#include "assets/picture_decoders.h"

namespace lv::test {

TBitmap EmbeddedJpg(const std::string& name) {
  TResourceBytes bytes = TResourceStore::Embedded().Get("JPG", name);
  TBitmap bitmap;
  EXPECT_TRUE(DecodeJpeg(bytes.Data, bytes.Size, bitmap)) << name;
  return bitmap;
}

}  // namespace lv::test
