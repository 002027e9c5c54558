// Fonts and text measurement: what a font request gives on this system, how large a text is in
// it, and the program's own font files made usable for the process.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace horalix::platform {

struct FontSpec {
  std::string name = "宋体";
  double size = 9;  // points
  bool bold = false;
  bool italic = false;
  bool operator==(const FontSpec&) const = default;
};

// Size of a text block in twips.
struct TextExtent {
  int width = 0;
  int height = 0;
  bool operator==(const TextExtent&) const = default;
};

class FontService {
 public:
  virtual ~FontService() = default;

  // The font a request realises as: a face the system lacks falls back to its default face, and
  // the size comes out as the nearest size the screen can draw (whole pixels of height).
  virtual FontSpec realise(const FontSpec& requested) const = 0;

  // The text in the realised font: the width of its widest line and the height of all its
  // lines ("\n" or "\r\n" separate lines; an empty text is one empty line).
  virtual TextExtent measure(const FontSpec& font, std::string_view text) const = 0;

  // Makes the fonts of a font file usable by this process until it ends; false when the file
  // cannot be registered.
  virtual bool addFontFile(const std::string& path) = 0;

  // The names of the screen fonts installed on the system, in the system's order; a service
  // that cannot tell gives none.
  virtual std::vector<std::string> installedFonts() const { return {}; }
};

}  // namespace horalix::platform
