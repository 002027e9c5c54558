#include "services/picture_size.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/headless/headless_file_system.h"
#include "runtime_error_of.h"
#include "services/program_folder.h"
#include "services/runtime_error.h"

namespace horalix {
namespace {

using Bytes = std::vector<int>;

std::string bytes(const Bytes& values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

void append(Bytes& to, const Bytes& more) { to.insert(to.end(), more.begin(), more.end()); }

Bytes bigEndian32(std::uint32_t v) {
  return {int(v >> 24 & 0xFF), int(v >> 16 & 0xFF), int(v >> 8 & 0xFF), int(v & 0xFF)};
}
Bytes littleEndian32(std::uint32_t v) {
  return {int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF), int(v >> 24 & 0xFF)};
}

Bytes png(std::uint32_t width, std::uint32_t height) {
  Bytes b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  append(b, bigEndian32(width));
  append(b, bigEndian32(height));
  append(b, {8, 6, 0, 0, 0, 0x12, 0x34, 0x56, 0x78});
  return b;
}

Bytes gif(int width, int height) {
  return {'G',        'I',           'F',         '8',  '9', 'a', width & 0xFF,
          width >> 8, height & 0xFF, height >> 8, 0xF7, 0,   0};
}

Bytes bmp(std::int32_t width, std::int32_t height) {
  Bytes b = {'B', 'M', 0x46, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0, 40, 0, 0, 0};
  append(b, littleEndian32(static_cast<std::uint32_t>(width)));
  append(b, littleEndian32(static_cast<std::uint32_t>(height)));
  append(b, {1, 0, 24, 0});
  return b;
}

// A marker segment: 255, the code, the big-endian length (counting itself) and the payload.
Bytes segment(int code, const Bytes& payload) {
  const int length = static_cast<int>(payload.size()) + 2;
  Bytes b = {0xFF, code, length >> 8, length & 0xFF};
  append(b, payload);
  return b;
}

Bytes startOfFrame(int code, int width, int height) {
  return segment(code, {8, height >> 8, height & 0xFF, width >> 8, width & 0xFF, 3, 1, 0x22, 0});
}

Bytes jpeg(std::initializer_list<Bytes> segments) {
  Bytes b = {0xFF, 0xD8};
  for (const Bytes& s : segments) append(b, s);
  append(b, {0xFF, 0xD9});
  return b;
}

const Bytes kApp0 = segment(0xE0, {'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0});
const Bytes kQuantTable = segment(0xDB, Bytes(65, 1));
const Bytes kScan = segment(0xDA, {1, 1, 0, 0, 0x3F, 0});

class PictureSizeTest : public ::testing::Test {
 protected:
  PictureDimensions sizeOf(const Bytes& content) {
    const std::string path = files.programFolder() + "\\picture\\back.img";
    files.seedFile(path, bytes(content));
    return PictureSize(files, path);
  }
  platform::HeadlessFileSystem files;
};

TEST_F(PictureSizeTest, HeadersOfTheFourFormatsGiveWidthAndHeight) {
  struct Case {
    const char* what;
    Bytes content;
    PictureDimensions expected;
  };
  Bytes paddedMarkers = {0xFF, 0xD8};
  append(paddedMarkers, kApp0);
  append(paddedMarkers, {0xFF, 0xFF, 0xFF});  // fill bytes before a marker
  append(paddedMarkers, startOfFrame(0xC0, 320, 240));

  const std::vector<Case> cases = {
      {"png", png(640, 480), {640, 480}},
      {"png wider than 16 bits", png(70000, 10), {4464, 10}},
      {"png of 32768", png(32768, 5), {0, 5}},
      {"gif", gif(300, 200), {300, 200}},
      {"baseline jpeg",
       jpeg({kApp0, kQuantTable, startOfFrame(0xC0, 1024, 768), kScan}),
       {1024, 768}},
      {"progressive jpeg", jpeg({kApp0, startOfFrame(0xC2, 800, 600), kScan}), {800, 600}},
      {"jpeg SOF3", jpeg({startOfFrame(0xC3, 16, 8)}), {16, 8}},
      {"jpeg SOF5", jpeg({kApp0, startOfFrame(0xC5, 800, 600), kScan}), {0, 0}},
      {"jpeg without frame", jpeg({kApp0, kQuantTable}), {0, 0}},
      {"jpeg with fill bytes", paddedMarkers, {320, 240}},
      {"bmp", bmp(300, 200), {300, 200}},
      {"top-down bmp", bmp(300, -200), {300, 0}},
      {"text", {'h', 'e', 'l', 'l', 'o', ' ', 't', 'e', 'x', 't', '\n'}, {0, 0}},
      {"empty", {}, {0, 0}},
  };
  for (const Case& c : cases) {
    const PictureDimensions got = sizeOf(c.content);
    EXPECT_EQ(got.width, c.expected.width) << c.what;
    EXPECT_EQ(got.height, c.expected.height) << c.what;
  }
}

TEST_F(PictureSizeTest, ShortFilesLeaveWhatCouldNotBeReadAtZero) {
  Bytes header = png(640, 480);
  header.resize(22);  // the width is there, the height is not
  EXPECT_EQ(sizeOf(header), (PictureDimensions{640, 0}));

  Bytes frame = jpeg({kApp0, startOfFrame(0xC0, 1024, 768)});
  // Cut the file inside the frame header, after the height and the width's high byte.
  frame.resize(2 + kApp0.size() + 8);
  EXPECT_EQ(sizeOf(frame), (PictureDimensions{0, 768}));

  EXPECT_EQ(sizeOf({'B', 'M'}), (PictureDimensions{0, 0}));
  EXPECT_EQ(sizeOf({0xFF, 0xD8, 0xFF}), (PictureDimensions{0, 0}));
}

TEST_F(PictureSizeTest, OnlyOverlongJpegSegmentsAreWalkedByteByByte) {
  // An APP1 segment declaring 32,768 bytes cannot be skipped, so the walk finds the frame of
  // the thumbnail embedded in it.
  Bytes file = {0xFF, 0xD8, 0xFF, 0xE1, 0x80, 0x00, 'E', 'x', 'i', 'f', 0, 0};
  append(file, startOfFrame(0xC0, 160, 120));
  append(file, startOfFrame(0xC0, 4000, 3000));
  EXPECT_EQ(sizeOf(file), (PictureDimensions{160, 120}));

  // A segment of a length that can be formed is skipped whole, thumbnail and all.
  Bytes thumbnail = {'E', 'x', 'i', 'f', 0, 0};
  append(thumbnail, startOfFrame(0xC0, 160, 120));
  EXPECT_EQ(sizeOf(jpeg({segment(0xE1, thumbnail), startOfFrame(0xC0, 4000, 3000)})),
            (PictureDimensions{4000, 3000}));
}

TEST_F(PictureSizeTest, MissingOrLockedFileGivesZero) {
  EXPECT_EQ(PictureSize(files, files.programFolder() + "\\picture\\none.png"),
            (PictureDimensions{0, 0}));
  const std::string path = files.programFolder() + "\\picture\\held.png";
  files.seedFile(path, bytes(png(640, 480)));
  files.setInUse(path, true);
  EXPECT_EQ(PictureSize(files, path), (PictureDimensions{0, 0}));
}

TEST(BytePairToInt, FormsSixteenBitValuesAndOverflowsAbove) {
  EXPECT_EQ(BytePairToInt(0x34, 0x12), 0x1234);
  EXPECT_EQ(BytePairToInt(255, 127), 32767);
  EXPECT_EQ(BytePairToInt(0, 0), 0);
  EXPECT_EQ(testing::errorOf([] { BytePairToInt(0, 128); }), RuntimeErrorCode::Overflow);
}

}  // namespace
}  // namespace horalix
