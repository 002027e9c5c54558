// The width and height in pixels of a PNG, GIF, JPEG or BMP file, read from its header without
// decoding the picture. The clock's back picture is sized by it.
#pragma once

#include <cstdint>
#include <string>

namespace horalix {

namespace platform {
class FileSystem;
}

struct PictureDimensions {
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const PictureDimensions&) const = default;
};

// high x 256 + low as a 16-bit signed value; a high byte of 128 or more raises Overflow.
std::int16_t BytePairToInt(std::uint8_t low, std::uint8_t high);

// Never fails: a missing or unreadable file or an unknown format gives 0 x 0, and a dimension
// that cannot be formed (32,768 pixels or more, or beyond the end of a short file) stays 0.
// PNG and BMP sizes above 65,535 come out as their low 16 bits.
PictureDimensions PictureSize(const platform::FileSystem& files, const std::string& path);

}  // namespace horalix
