// The committed resources/ folder against what the program relies on: the exact
// set of files, the size and format of every picture, sound, cursor and the card
// table, the window mask's runs, and the places where one picture must repeat
// another (the mascot's and buttons' background cells, the gauge's blank tile).
// Self-contained on purpose: it reads the files with its own small parsers, so a
// fault in the program's loaders cannot hide a fault in the data.
#include <gtest/gtest.h>
#include <iconv.h>
#include <jpeglib.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::filesystem::path kResourceDir = RESOURCE_DIR;

// ---------------------------------------------------------------------------
// What the program expects.

constexpr int kCardCount = 30;
constexpr int kLinesPerCard = 7;
constexpr int kTableLines = 212;
const std::set<int> kTransformedCards = {0, 1, 2, 3, 4, 6, 7, 10, 18, 21, 23, 24, 25, 26, 27, 28, 29};
const std::set<int> kVoiceCodes = {0, 6, 11, 13, 20, 21, 24, 25, 26};

// Window mask: one rectangle per horizontal run of white pixels.
constexpr int kMaskRuns = 602;
constexpr int kMaxRunsPerRow = 2;

// Mascot sheet: 12 columns x 3 rows of cells drawn opaquely at (380, 147).
constexpr int kMascotColumns = 12;
constexpr int kMascotRows = 3;
constexpr int kMascotCellWidth = 78;
constexpr int kMascotCellHeight = 138;
constexpr int kMascotLeft = 380;
constexpr int kMascotTop = 147;
constexpr int kEmptyPoseColumn = 10;

// Pixels along each mascot cell's edge that must show the window behind the figure.
constexpr int kCellBorderBand = 2;
// Two JPEGs of the same picture, cut at different block offsets, differ by this
// much on average per channel (0 to 255) at most.
constexpr double kJpegNoise = 6.0;

constexpr std::array<int, 3> kLabelBackColor = {128, 195, 139};

std::string Numbered(const std::string& prefix, int number, int digits, const std::string& ext) {
  std::string n = std::to_string(number);
  return prefix + std::string(digits - static_cast<int>(n.size()), '0') + n + ext;
}

struct PictureSize {
  std::string file;
  int width;
  int height;
};

std::vector<PictureSize> JpegPictures() {
  std::vector<PictureSize> list = {{"Base.jpg", 737, 584},  {"Mascot.jpg", 936, 414},
                                   {"Button.jpg", 450, 222}, {"Nami.jpg", 348, 508},
                                   {"Quest.jpg", 46, 68},    {"C999.jpg", 340, 500}};
  for (int card = 0; card < kCardCount; ++card) list.push_back({Numbered("C", card, 3, ".jpg"), 340, 500});
  for (int card : kTransformedCards) list.push_back({Numbered("HC", card, 3, ".jpg"), 340, 500});
  for (int page = 0; page < 3; ++page) list.push_back({Numbered("Index", page, 2, ".jpg"), 238, 142});
  return list;
}

struct BitmapSpec {
  std::string file;
  int width;
  int height;
  int bits;
};

const std::vector<BitmapSpec> kBitmaps = {{"BaseMsk.bmp", 737, 584, 1},
                                          {"WakuTate.bmp", 8, 504, 4},
                                          {"WakuYoko.bmp", 348, 8, 4},
                                          {"Star.bmp", 3, 3, 1}};

std::vector<std::string> SoundFiles() {
  std::vector<std::string> list;
  for (int n = 1; n <= 13; ++n) list.push_back(Numbered("A", n, 2, ".wav"));
  for (int code = 0; code <= 26; ++code) list.push_back(Numbered("B", code, 2, ".wav"));
  return list;
}

struct CursorSpec {
  std::string file;
  int hot_x;
  int hot_y;
};

const std::vector<CursorSpec> kCursors = {{"cr1.cur", 8, 8},  {"cr2.cur", 0, 0},  {"cr3.cur", 0, 0},
                                          {"cr4.cur", 4, 31}, {"cr5.cur", 4, 31}, {"cr6.cur", 3, 3},
                                          {"cr7.cur", 3, 3},  {"cr8.cur", 15, 15}};

// The test names already carry the file; the parameters print as their file too.
void PrintTo(const PictureSize& p, std::ostream* os) { *os << p.file; }
void PrintTo(const BitmapSpec& b, std::ostream* os) { *os << b.file; }
void PrintTo(const CursorSpec& c, std::ostream* os) { *os << c.file; }

std::set<std::string> ExpectedFiles() {
  std::set<std::string> files = {"CardT.txt"};
  for (const auto& p : JpegPictures()) files.insert(p.file);
  for (const auto& b : kBitmaps) files.insert(b.file);
  for (const auto& s : SoundFiles()) files.insert(s);
  for (const auto& c : kCursors) files.insert(c.file);
  return files;
}

// A region of a sprite sheet that must repeat the Base picture at (base_x, base_y).
struct Repeat {
  std::string what;
  std::string sheet;
  int x, y, width, height;
  int base_x, base_y;
};

void PrintTo(const Repeat& r, std::ostream* os) { *os << r.what; }

const std::vector<Repeat> kRepeats = {
    {"EmptyPoseRestFrame", "Mascot.jpg", kEmptyPoseColumn * kMascotCellWidth, 0, kMascotCellWidth,
     kMascotCellHeight, kMascotLeft, kMascotTop},
    {"EmptyPoseFirstFrame", "Mascot.jpg", kEmptyPoseColumn * kMascotCellWidth, 2 * kMascotCellHeight,
     kMascotCellWidth, kMascotCellHeight, kMascotLeft, kMascotTop},
    {"HiddenGaugeTile", "Mascot.jpg", 786, 144, 40, 19, 402, 128},
    {"AbsentTransformButton", "Button.jpg", 218, 0, 47, 40, 686, 232},
};

// ---------------------------------------------------------------------------
// Small readers.

std::optional<Bytes> ReadFile(const std::string& name) {
  std::ifstream in(kResourceDir / name, std::ios::binary);
  if (!in) return std::nullopt;
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t U16(const Bytes& b, std::size_t at) { return b[at] | b[at + 1] << 8; }
std::uint32_t U32(const Bytes& b, std::size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }
std::int32_t S32(const Bytes& b, std::size_t at) { return static_cast<std::int32_t>(U32(b, at)); }
std::string Tag(const Bytes& b, std::size_t at) { return std::string(b.begin() + at, b.begin() + at + 4); }

struct Rgb {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // R, G, B per pixel, rows top-down
  const std::uint8_t* At(int x, int y) const { return &pixels[(static_cast<std::size_t>(y) * width + x) * 3]; }
};

struct Jpeg {
  int components = 0;
  bool progressive = false;
  long warnings = 0;
  Rgb picture;
};

struct JpegErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr cinfo) {
  auto* manager = reinterpret_cast<JpegErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, manager->message);
  std::longjmp(manager->jump, 1);
}

void IgnoreJpegMessage(j_common_ptr) {}

// Decodes to RGB; on a fatal decoding error returns nothing and says why.
std::optional<Jpeg> DecodeJpeg(const Bytes& data, std::string* why) {
  jpeg_decompress_struct cinfo;
  JpegErrorManager errors;
  cinfo.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnJpegError;
  errors.base.output_message = IgnoreJpegMessage;
  Jpeg jpeg;
  if (setjmp(errors.jump)) {
    *why = errors.message;
    jpeg_destroy_decompress(&cinfo);
    return std::nullopt;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&cinfo, TRUE);
  jpeg.components = cinfo.num_components;
  jpeg.progressive = cinfo.progressive_mode;
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  Rgb& picture = jpeg.picture;
  picture.width = static_cast<int>(cinfo.output_width);
  picture.height = static_cast<int>(cinfo.output_height);
  picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height * 3);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = &picture.pixels[static_cast<std::size_t>(cinfo.output_scanline) * picture.width * 3];
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg.warnings = errors.base.num_warnings;
  jpeg_destroy_decompress(&cinfo);
  return jpeg;
}

// The marker of the JPEG's frame header (0xC0 is baseline), or 0 if none precedes the scan.
int JpegFrameMarker(const Bytes& data) {
  std::size_t at = 2;
  while (at + 4 <= data.size() && data[at] == 0xFF) {
    const int marker = data[at + 1];
    const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) return marker;
    if (marker == 0xDA) return 0;
    at += 2 + (data[at + 2] << 8 | data[at + 3]);
  }
  return 0;
}

// Decoded pictures, each read once for the whole run.
const Rgb* Picture(const std::string& file) {
  static std::map<std::string, std::optional<Rgb>> cache;
  auto found = cache.find(file);
  if (found == cache.end()) {
    std::optional<Rgb> picture;
    std::string why;
    if (auto data = ReadFile(file))
      if (auto jpeg = DecodeJpeg(*data, &why)) picture = std::move(jpeg->picture);
    found = cache.emplace(file, std::move(picture)).first;
  }
  return found->second ? &*found->second : nullptr;
}

struct Bitmap {
  int width = 0;
  int height = 0;
  int bits = 0;
  std::uint32_t compression = 0;
  std::vector<std::array<int, 3>> palette;  // R, G, B
  std::vector<int> indices;                 // palette index per pixel, rows top-down
  const std::array<int, 3>& Colour(int x, int y) const { return palette[indices[y * width + x]]; }
};

std::optional<Bitmap> Rejected(std::string* why, const char* reason) {
  *why = reason;
  return std::nullopt;
}

// Reads an uncompressed palette BMP (1, 4 or 8 bits); says why when it cannot.
std::optional<Bitmap> ParseBmp(const Bytes& b, std::string* why) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return Rejected(why, "not a BMP file");
  Bitmap bmp;
  const std::uint32_t info_size = U32(b, 14);
  bmp.width = S32(b, 18);
  const std::int32_t stored_height = S32(b, 22);
  bmp.height = std::abs(stored_height);
  bmp.bits = static_cast<int>(U16(b, 28));
  bmp.compression = U32(b, 30);
  if (info_size < 40 || bmp.width <= 0 || bmp.height == 0) return Rejected(why, "bad info header");
  if (bmp.compression != 0 || (bmp.bits != 1 && bmp.bits != 4 && bmp.bits != 8))
    return Rejected(why, "not an uncompressed palette BMP");
  const std::uint32_t used = U32(b, 46);
  const std::size_t colours = used ? used : 1u << bmp.bits;
  const std::size_t palette_at = 14 + info_size;
  const std::size_t stride = (static_cast<std::size_t>(bmp.width) * bmp.bits + 31) / 32 * 4;
  const std::size_t data_at = U32(b, 10);
  if (palette_at + colours * 4 > b.size() || data_at + stride * bmp.height > b.size())
    return Rejected(why, "palette or pixel rows run past the end of the file");
  for (std::size_t i = 0; i < colours; ++i)
    bmp.palette.push_back({b[palette_at + 4 * i + 2], b[palette_at + 4 * i + 1], b[palette_at + 4 * i]});
  for (int y = 0; y < bmp.height; ++y) {
    const std::size_t row = data_at + stride * (stored_height > 0 ? bmp.height - 1 - y : y);
    for (int x = 0; x < bmp.width; ++x) {
      const std::size_t bit = static_cast<std::size_t>(x) * bmp.bits;
      const int index = (b[row + bit / 8] >> (8 - bmp.bits - bit % 8)) & ((1 << bmp.bits) - 1);
      if (static_cast<std::size_t>(index) >= colours) return Rejected(why, "pixel outside the palette");
      bmp.indices.push_back(index);
    }
  }
  return bmp;
}

// Lines of a CR LF text, as a string list reads them: a last line without an
// ending still counts. Lone CR or LF bytes are reported by line number.
std::vector<std::string> SplitCrLf(const Bytes& text, std::vector<int>* stray_breaks) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      lines.emplace_back();
      ++i;
    } else {
      if (text[i] == '\r' || text[i] == '\n') stray_breaks->push_back(static_cast<int>(lines.size()) - 1);
      lines.back().push_back(static_cast<char>(text[i]));
    }
  }
  if (lines.back().empty() && lines.size() > 1) lines.pop_back();
  return lines;
}

bool IsCp932(const std::string& line) {
  iconv_t convert = iconv_open("UTF-8", "CP932");
  if (convert == reinterpret_cast<iconv_t>(-1)) return false;
  std::string in = line;
  std::string out(line.size() * 4 + 4, '\0');
  char* in_at = in.data();
  char* out_at = out.data();
  std::size_t in_left = in.size();
  std::size_t out_left = out.size();
  const bool ok = iconv(convert, &in_at, &in_left, &out_at, &out_left) != static_cast<std::size_t>(-1);
  iconv_close(convert);
  return ok && in_left == 0;
}

// Mean absolute difference per channel between two equally sized regions.
std::array<double, 3> MeanDifference(const Rgb& a, int ax, int ay, const Rgb& b, int bx, int by, int width,
                                     int height) {
  std::array<double, 3> sum = {0, 0, 0};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (int c = 0; c < 3; ++c) sum[c] += std::abs(a.At(ax + x, ay + y)[c] - b.At(bx + x, by + y)[c]);
  for (double& s : sum) s /= static_cast<double>(width) * height;
  return sum;
}

double Largest(const std::array<double, 3>& values) { return std::max({values[0], values[1], values[2]}); }

bool Inside(const Rgb& picture, int x, int y, int width, int height) {
  return x >= 0 && y >= 0 && x + width <= picture.width && y + height <= picture.height;
}

std::string Stem(const std::string& file) { return file.substr(0, file.find('.')); }

// ---------------------------------------------------------------------------
// The file set.

TEST(ResourceFolder, HoldsExactlyTheFilesTheProgramEmbeds) {
  // Every file of the folder is embedded, so strays bloat the program and
  // missing ones fail at run time.
  std::set<std::string> present;
  ASSERT_TRUE(std::filesystem::is_directory(kResourceDir)) << kResourceDir << " is not a folder";
  for (const auto& entry : std::filesystem::directory_iterator(kResourceDir))
    present.insert(entry.path().filename().string());
  std::ostringstream missing, unexpected;
  for (const auto& name : ExpectedFiles())
    if (!present.count(name)) missing << " " << name;
  for (const auto& name : present)
    if (!ExpectedFiles().count(name)) unexpected << " " << name;
  EXPECT_EQ(missing.str(), "") << "missing from " << kResourceDir;
  EXPECT_EQ(unexpected.str(), "") << "not used by the program, in " << kResourceDir;
}

// ---------------------------------------------------------------------------
// Pictures.

class JpegPictureTest : public ::testing::TestWithParam<PictureSize> {};

TEST_P(JpegPictureTest, IsABaselineThreeComponentJpegOfItsSize) {
  const PictureSize& spec = GetParam();
  const auto data = ReadFile(spec.file);
  ASSERT_TRUE(data) << spec.file << " is missing";
  EXPECT_EQ(JpegFrameMarker(*data), 0xC0) << spec.file << " is not a baseline JPEG";
  std::string why;
  const auto jpeg = DecodeJpeg(*data, &why);
  ASSERT_TRUE(jpeg) << spec.file << " does not decode: " << why;
  EXPECT_EQ(jpeg->components, 3) << spec.file;
  EXPECT_FALSE(jpeg->progressive) << spec.file;
  EXPECT_EQ(jpeg->warnings, 0) << spec.file << " decodes with warnings (damaged data)";
  EXPECT_EQ(jpeg->picture.width, spec.width) << spec.file;
  EXPECT_EQ(jpeg->picture.height, spec.height) << spec.file;
}

INSTANTIATE_TEST_SUITE_P(Resources, JpegPictureTest, ::testing::ValuesIn(JpegPictures()),
                         [](const auto& info) { return Stem(info.param.file); });

class BitmapTest : public ::testing::TestWithParam<BitmapSpec> {};

TEST_P(BitmapTest, IsAnUncompressedPaletteBitmapOfItsSizeAndDepth) {
  const BitmapSpec& spec = GetParam();
  const auto data = ReadFile(spec.file);
  ASSERT_TRUE(data) << spec.file << " is missing";
  std::string why;
  const auto bmp = ParseBmp(*data, &why);
  ASSERT_TRUE(bmp) << spec.file << ": " << why;
  EXPECT_EQ(U32(*data, 2), data->size()) << spec.file << ": file size field";
  EXPECT_EQ(bmp->width, spec.width) << spec.file;
  EXPECT_EQ(bmp->height, spec.height) << spec.file;
  EXPECT_EQ(bmp->bits, spec.bits) << spec.file;
}

INSTANTIATE_TEST_SUITE_P(Resources, BitmapTest, ::testing::ValuesIn(kBitmaps),
                         [](const auto& info) { return Stem(info.param.file); });

std::optional<Bitmap> LoadBitmap(const std::string& file) {
  std::string why;
  const auto data = ReadFile(file);
  return data ? ParseBmp(*data, &why) : std::nullopt;
}

TEST(WindowMask, IsBlackOutsideAndWhiteInsideWithTheRunsOfTheWindowRegion) {
  const auto mask = LoadBitmap("BaseMsk.bmp");
  ASSERT_TRUE(mask) << "BaseMsk.bmp is missing or unreadable";
  ASSERT_EQ(mask->palette.size(), 2u) << "BaseMsk.bmp";
  EXPECT_EQ(mask->palette[0], (std::array<int, 3>{0, 0, 0})) << "BaseMsk.bmp: palette entry 0";
  EXPECT_EQ(mask->palette[1], (std::array<int, 3>{255, 255, 255})) << "BaseMsk.bmp: palette entry 1";
  const std::array<int, 3> white = {255, 255, 255};
  int runs = 0;
  std::ostringstream bad_rows;
  for (int y = 0; y < mask->height; ++y) {
    int row_runs = 0;
    for (int x = 0; x < mask->width; ++x)
      if (mask->Colour(x, y) == white && (x == 0 || mask->Colour(x - 1, y) != white)) ++row_runs;
    if (row_runs < 1 || row_runs > kMaxRunsPerRow) bad_rows << " row " << y << ": " << row_runs << " runs;";
    runs += row_runs;
  }
  EXPECT_EQ(runs, kMaskRuns) << "BaseMsk.bmp: white runs";
  EXPECT_EQ(bad_rows.str(), "") << "BaseMsk.bmp: every row needs 1 to " << kMaxRunsPerRow << " white runs";
}

TEST(SparkleSprite, IsAllWhite) {
  const auto star = LoadBitmap("Star.bmp");
  ASSERT_TRUE(star) << "Star.bmp is missing or unreadable";
  for (int y = 0; y < star->height; ++y)
    for (int x = 0; x < star->width; ++x)
      EXPECT_EQ(star->Colour(x, y), (std::array<int, 3>{255, 255, 255})) << "Star.bmp at " << x << "," << y;
}

// ---------------------------------------------------------------------------
// Pictures that repeat the window's Base picture.

class RepeatTest : public ::testing::TestWithParam<Repeat> {};

TEST_P(RepeatTest, MatchesTheBasePictureWithinJpegNoise) {
  const Repeat& r = GetParam();
  const Rgb* sheet = Picture(r.sheet);
  const Rgb* base = Picture("Base.jpg");
  ASSERT_TRUE(sheet && base) << r.sheet << " or Base.jpg is missing or unreadable";
  ASSERT_TRUE(Inside(*sheet, r.x, r.y, r.width, r.height)) << r.sheet << " is too small";
  ASSERT_TRUE(Inside(*base, r.base_x, r.base_y, r.width, r.height)) << "Base.jpg is too small";
  const auto difference = MeanDifference(*sheet, r.x, r.y, *base, r.base_x, r.base_y, r.width, r.height);
  EXPECT_LT(Largest(difference), kJpegNoise)
      << r.sheet << " (" << r.x << "," << r.y << " " << r.width << "x" << r.height << ") differs from Base.jpg at ("
      << r.base_x << "," << r.base_y << ") by " << difference[0] << "/" << difference[1] << "/" << difference[2]
      << " per R/G/B channel";
}

INSTANTIATE_TEST_SUITE_P(Resources, RepeatTest, ::testing::ValuesIn(kRepeats),
                         [](const auto& info) { return info.param.what; });

TEST(MascotSheet, EveryCellsEdgeShowsTheWindowBehindTheMascot) {
  // Cells are copied without transparency, so the figure's surroundings must be
  // the window's own background or the cell shows as a patch.
  const Rgb* sheet = Picture("Mascot.jpg");
  const Rgb* base = Picture("Base.jpg");
  ASSERT_TRUE(sheet && base) << "Mascot.jpg or Base.jpg is missing or unreadable";
  ASSERT_TRUE(Inside(*sheet, 0, 0, kMascotColumns * kMascotCellWidth, kMascotRows * kMascotCellHeight));
  const int w = kMascotCellWidth, h = kMascotCellHeight, band = kCellBorderBand;
  // The edge band as (x, y, width, height) strips inside a cell.
  const std::array<std::array<int, 4>, 4> strips = {
      {{0, 0, w, band}, {0, h - band, w, band}, {0, band, band, h - 2 * band}, {w - band, band, band, h - 2 * band}}};
  for (int row = 0; row < kMascotRows; ++row)
    for (int column = 0; column < kMascotColumns; ++column)
      for (const auto& [x, y, sw, sh] : strips) {
        const auto difference =
            MeanDifference(*sheet, column * w + x, row * h + y, *base, kMascotLeft + x, kMascotTop + y, sw, sh);
        EXPECT_LT(Largest(difference), kJpegNoise)
            << "Mascot.jpg cell column " << column << " row " << row << ": the edge strip at (" << x << "," << y
            << ") differs from Base.jpg by " << Largest(difference);
      }
}

TEST(BasePicture, PanelPatchThatCoversTheIndexIsPlainPanelColour) {
  // Leaving the index copies this patch of the lower text panel over the upper one.
  const Rgb* base = Picture("Base.jpg");
  ASSERT_TRUE(base) << "Base.jpg is missing or unreadable";
  const int left = 458, top = 410, width = 238, height = 71;
  ASSERT_TRUE(Inside(*base, left, top, width, height));
  std::array<double, 3> difference = {0, 0, 0};
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x)
      for (int c = 0; c < 3; ++c) difference[c] += std::abs(base->At(x, y)[c] - kLabelBackColor[c]);
  for (double& d : difference) d /= width * height;
  EXPECT_LT(Largest(difference), kJpegNoise) << "Base.jpg (458,410 238x71) is not plain RGB(128,195,139)";
}

// ---------------------------------------------------------------------------
// Sounds.

class SoundTest : public ::testing::TestWithParam<std::string> {
 protected:
  static constexpr std::size_t kHeaderSize = 44;
  std::vector<std::int16_t> Samples(const Bytes& wav) {
    std::vector<std::int16_t> samples;
    for (std::size_t at = kHeaderSize; at + 1 < wav.size(); at += 2)
      samples.push_back(static_cast<std::int16_t>(U16(wav, at)));
    return samples;
  }
};

TEST_P(SoundTest, IsPcmMono22050Hz16BitWithAPlainHeader) {
  const std::string& file = GetParam();
  const auto wav = ReadFile(file);
  ASSERT_TRUE(wav) << file << " is missing";
  ASSERT_GT(wav->size(), kHeaderSize) << file;
  const Bytes& b = *wav;
  EXPECT_EQ(Tag(b, 0), "RIFF") << file;
  EXPECT_EQ(U32(b, 4), b.size() - 8) << file << ": RIFF size";
  EXPECT_EQ(Tag(b, 8), "WAVE") << file;
  EXPECT_EQ(Tag(b, 12), "fmt ") << file << ": the fmt chunk must come first";
  EXPECT_EQ(U32(b, 16), 16u) << file << ": fmt chunk size";
  EXPECT_EQ(U16(b, 20), 1u) << file << ": not PCM";
  EXPECT_EQ(U16(b, 22), 1u) << file << ": channels";
  EXPECT_EQ(U32(b, 24), 22050u) << file << ": sample rate";
  EXPECT_EQ(U32(b, 28), 44100u) << file << ": byte rate";
  EXPECT_EQ(U16(b, 32), 2u) << file << ": block align";
  EXPECT_EQ(U16(b, 34), 16u) << file << ": bits per sample";
  EXPECT_EQ(Tag(b, 36), "data") << file << ": the data chunk must follow the fmt chunk";
  EXPECT_EQ(U32(b, 40), b.size() - kHeaderSize) << file << ": data size";
  EXPECT_EQ(b.size() % 2, 0u) << file << ": odd number of data bytes";
}

TEST_P(SoundTest, IsAudibleAndUnclipped) {
  const std::string& file = GetParam();
  const auto wav = ReadFile(file);
  ASSERT_TRUE(wav && wav->size() > kHeaderSize) << file << " is missing or empty";
  int peak = 0;
  for (std::int16_t s : Samples(*wav)) peak = std::max(peak, std::abs(static_cast<int>(s)));
  EXPECT_GT(peak, 32768 / 8) << file << " is nearly silent";
  EXPECT_LT(peak, 32767) << file << " reaches full scale (clipped)";
}

INSTANTIATE_TEST_SUITE_P(Resources, SoundTest, ::testing::ValuesIn(SoundFiles()),
                         [](const auto& info) { return Stem(info.param); });

// ---------------------------------------------------------------------------
// Cursors.

class CursorTest : public ::testing::TestWithParam<CursorSpec> {};

TEST_P(CursorTest, IsA32x32MonochromeCursorWithItsHotSpot) {
  const CursorSpec& spec = GetParam();
  const auto cur = ReadFile(spec.file);
  ASSERT_TRUE(cur) << spec.file << " is missing";
  const Bytes& b = *cur;
  ASSERT_GE(b.size(), 22u) << spec.file << ": too short for a cursor directory";
  EXPECT_EQ(U16(b, 0), 0u) << spec.file << ": reserved";
  EXPECT_EQ(U16(b, 2), 2u) << spec.file << ": type (2 = cursor)";
  EXPECT_EQ(U16(b, 4), 1u) << spec.file << ": image count";
  EXPECT_EQ(b[6], 32) << spec.file << ": width";
  EXPECT_EQ(b[7], 32) << spec.file << ": height";
  EXPECT_EQ(U16(b, 10), static_cast<std::uint32_t>(spec.hot_x)) << spec.file << ": hot spot x";
  EXPECT_EQ(U16(b, 12), static_cast<std::uint32_t>(spec.hot_y)) << spec.file << ": hot spot y";
  const std::uint32_t image_size = U32(b, 14), image_at = U32(b, 18);
  // Header, two palette entries, then the colour and transparency masks of 32 rows of 4 bytes.
  constexpr std::uint32_t kMonochromeImage = 40 + 2 * 4 + 2 * 32 * 4;
  ASSERT_GE(image_size, kMonochromeImage) << spec.file << ": image too small";
  ASSERT_LE(static_cast<std::size_t>(image_at) + image_size, b.size()) << spec.file << ": image runs past the end";
  EXPECT_EQ(U32(b, image_at), 40u) << spec.file << ": bitmap header size";
  EXPECT_EQ(S32(b, image_at + 4), 32) << spec.file << ": bitmap width";
  EXPECT_EQ(S32(b, image_at + 8), 64) << spec.file << ": bitmap height (both masks)";
  EXPECT_EQ(U16(b, image_at + 12), 1u) << spec.file << ": planes";
  EXPECT_EQ(U16(b, image_at + 14), 1u) << spec.file << ": bits per pixel";
}

INSTANTIATE_TEST_SUITE_P(Resources, CursorTest, ::testing::ValuesIn(kCursors),
                         [](const auto& info) { return Stem(info.param.file); });

// ---------------------------------------------------------------------------
// The card table.

class CardTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto text = ReadFile("CardT.txt");
    ASSERT_TRUE(text) << "CardT.txt is missing";
    lines = SplitCrLf(*text, &stray_breaks);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kTableLines)) << "CardT.txt: line count";
  }
  const std::string& Line(int card, int role) const { return lines[card * kLinesPerCard + role]; }
  std::vector<std::string> lines;
  std::vector<int> stray_breaks;
};

TEST_F(CardTableTest, EndsEveryLineWithCrLf) {
  std::ostringstream where;
  for (int line : stray_breaks) where << " " << line;
  EXPECT_EQ(where.str(), "") << "CardT.txt: lone CR or LF in lines";
}

TEST_F(CardTableTest, MarksExactlyTheCardsWithATransformedFace) {
  const std::string marker = "\x82\x67";  // full-width H in CP932
  for (int card = 0; card < kCardCount; ++card)
    EXPECT_EQ(Line(card, 0).rfind(marker, 0) == 0, kTransformedCards.count(card) == 1)
        << "CardT.txt line " << card * kLinesPerCard << ": marker of card " << card;
}

TEST_F(CardTableTest, CreatorLinesBeginWithAShippedVoiceCode) {
  for (int card = 0; card < kCardCount; ++card) {
    const std::string& creator = Line(card, 3);
    const bool digits = creator.size() > 2 && std::isdigit(static_cast<unsigned char>(creator[0])) &&
                        std::isdigit(static_cast<unsigned char>(creator[1]));
    ASSERT_TRUE(digits) << "CardT.txt line " << card * kLinesPerCard + 3 << ": creator line of card " << card
                        << " must be two digits and a name";
    EXPECT_EQ(kVoiceCodes.count(std::stoi(creator.substr(0, 2))), 1u)
        << "CardT.txt: card " << card << " uses voice code " << creator.substr(0, 2);
  }
}

TEST_F(CardTableTest, LinesTheLayoutKeepsEmptyAreEmpty) {
  EXPECT_EQ(lines[kCardCount * kLinesPerCard], "") << "CardT.txt line 210 separates the records from the note";
  EXPECT_EQ(Line(0, 1), "") << "CardT.txt: the start card has no title";
  for (int card = 0; card < kCardCount; ++card) {
    if (!kTransformedCards.count(card)) {
      EXPECT_EQ(Line(card, 6), "") << "CardT.txt: card " << card << " has no transformed face to comment on";
    }
  }
}

TEST_F(CardTableTest, EveryLineIsCp932) {
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_TRUE(IsCp932(lines[i])) << "CardT.txt line " << i;
}

}  // namespace
