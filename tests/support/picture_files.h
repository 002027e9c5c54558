// Picture files as the program meets them in its picture folder: only their headers matter.
#pragma once

#include <string>

namespace horalix::test {

// The header of a PNG file of `width` x `height` pixels.
inline std::string pngOf(int width, int height) {
  std::string png = "\x89PNG\r\n\x1a\n";
  png += std::string("\0\0\0\x0dIHDR", 8);
  for (int v : {width, height}) {
    for (int shift : {24, 16, 8, 0}) png += static_cast<char>((v >> shift) & 0xFF);
  }
  return png + std::string(5, '\0');
}

}  // namespace horalix::test
