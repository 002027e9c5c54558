#include "services/picture_size.h"

#include <optional>

#include "platform/files.h"
#include "services/runtime_error.h"

namespace horalix {

namespace {

// The file's bytes by 1-based position, as the header layouts number them.
class FileBytes {
 public:
  explicit FileBytes(const std::string& content) : content_(content) {}

  std::size_t length() const { return content_.size(); }
  // A byte beyond the end reads as 0.
  std::uint8_t at(std::size_t position) const {
    if (position < 1 || position > content_.size()) return 0;
    return static_cast<std::uint8_t>(content_[position - 1]);
  }
  bool has(std::size_t position) const { return position >= 1 && position <= content_.size(); }

 private:
  const std::string& content_;
};

std::optional<std::int32_t> pairToInt(std::uint8_t low, std::uint8_t high) {
  try {
    return BytePairToInt(low, high);
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
}

// A dimension from the bytes at two positions; left at `value` when either byte lies beyond the
// end or the pair cannot be formed.
void takeDimension(const FileBytes& file, std::size_t lowAt, std::size_t highAt,
                   std::int32_t& value) {
  if (!file.has(lowAt) || !file.has(highAt)) return;
  if (const auto v = pairToInt(file.at(lowAt), file.at(highAt))) value = *v;
}

// Walks the marker segments from byte 3 to the first start-of-frame marker SOF0..SOF3.
void readJpegSize(const FileBytes& file, PictureDimensions& size) {
  const std::size_t length = file.length();
  std::size_t p = 3;
  for (;;) {
    // Find the next marker: a 255 followed by a code that is not 255.
    for (;;) {
      const std::uint8_t b1 = file.at(p);
      const std::uint8_t b2 = file.at(p + 1);
      ++p;
      if (b1 == 255 && b2 != 255) break;
      if (p > length) break;
    }
    // p is on the marker code; the segment length follows it, big-endian.
    const std::uint8_t code = file.at(p);
    if (code >= 192 && code <= 195) {
      takeDimension(file, p + 5, p + 4, size.height);
      takeDimension(file, p + 7, p + 6, size.width);
      return;
    }
    // A segment length that cannot be formed is not skipped: the walk goes on from the code.
    if (const auto segment = pairToInt(file.at(p + 2), file.at(p + 1))) {
      p += static_cast<std::size_t>(*segment) + 1;
    }
    if (p >= length) return;
  }
}

}  // namespace

std::int16_t BytePairToInt(std::uint8_t low, std::uint8_t high) {
  if (high >= 128) throw RuntimeError(RuntimeErrorCode::Overflow);
  return static_cast<std::int16_t>(high * 256 + low);
}

PictureDimensions PictureSize(const platform::FileSystem& files, const std::string& path) {
  PictureDimensions size;
  const std::optional<std::string> content = files.readAll(path);
  if (!content) return size;
  const FileBytes file(*content);
  const auto signature = [&](std::initializer_list<int> bytes) {
    std::size_t position = 1;
    for (const int b : bytes) {
      if (file.at(position++) != b) return false;
    }
    return true;
  };
  if (signature({137, 80, 78, 71})) {
    // The low 16 bits of the IHDR chunk's big-endian width and height.
    takeDimension(file, 20, 19, size.width);
    takeDimension(file, 24, 23, size.height);
  } else if (signature({71, 73, 70, 56})) {
    // The little-endian logical-screen size.
    takeDimension(file, 7, 8, size.width);
    takeDimension(file, 9, 10, size.height);
  } else if (signature({255, 216, 255})) {
    readJpegSize(file, size);
  } else if (signature({66, 77})) {
    // The low 16 bits of the information header's biWidth and biHeight.
    takeDimension(file, 19, 20, size.width);
    takeDimension(file, 23, 24, size.height);
  }
  return size;
}

}  // namespace horalix
