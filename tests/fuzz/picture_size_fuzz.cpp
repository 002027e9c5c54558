// The picture-size reader on any file: it never fails, and gives 0 to 32,767 for each side.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_seeds.h"
#include "memory_files.h"
#include "services/picture_size.h"

namespace horalix::fuzz {

namespace {

std::string bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

}  // namespace

std::vector<std::string> seeds() {
  // PNG 640 x 480: signature, IHDR length and name, then big-endian width and height.
  const std::string png =
      bytes({0x89, 'P', 'N', 'G',  0x0D, 0x0A, 0x1A, 0x0A, 0,    0, 0, 13, 'I', 'H', 'D',
             'R',  0,   0,   0x02, 0x80, 0,    0,    0x01, 0xE0, 8, 2, 0,  0,   0});
  const std::string gif = std::string("GIF89a") + bytes({0x2C, 0x01, 0xC8, 0x00, 0, 0, 0});
  // JPEG: SOI, APP0 of 16 bytes, DQT of 4 bytes, SOF0 1024 x 768.
  std::string jpeg = bytes({0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10});
  jpeg += std::string(14, 'J');
  jpeg += bytes({0xFF, 0xDB, 0x00, 0x04, 0x00, 0x00, 0xFF, 0xC0, 0x00, 0x11, 0x08, 0x03, 0x00, 0x04,
                 0x00, 0x03, 0x01, 0x22, 0x00});
  // A progressive frame, and a segment length of 32,768 or more hiding a frame inside it.
  std::string progressive = jpeg;
  progressive[27] = static_cast<char>(0xC2);
  std::string longSegment = bytes(
      {0xFF, 0xD8, 0xFF, 0xE1, 0x90, 0x00, 0xFF, 0xC0, 0x00, 0x11, 0x08, 0x00, 0x20, 0x00, 0x40});
  std::string bmp = "BM" + std::string(16, '\0') + bytes({0x96, 0, 0, 0, 0xCE, 0xFF, 0xFF, 0xFF});
  return {png,
          gif,
          jpeg,
          progressive,
          longSegment,
          bmp,
          bytes({0xFF, 0xD8, 0xFF}),
          "plain text, no picture"};
}

}  // namespace horalix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace horalix;
  fuzz::MemoryFiles files;
  const std::string path = "C:\\Horalix\\picture\\back.png";
  files.content[path] = std::string(reinterpret_cast<const char*>(data), size);
  const PictureDimensions got = PictureSize(files, path);
  if (got.width < 0 || got.width > 32767 || got.height < 0 || got.height > 32767)
    fuzz::finding("a side of " + std::to_string(got.width) + " x " + std::to_string(got.height));
  return 0;
}
