// Fonts with fixed, documented metrics, so that every text size can be computed by hand:
//
// - em = realised size (points) x 20 twips.
// - A CJK character (CJK radicals to Yi, Hangul, CJK compatibility, full-width forms) advances
//   one em; every other character advances em x the family's advance per mille.
// - A line is em x the family's line height per mille high.
// - Width and height are rounded to the nearest twip (halves up).
// - Realising a request: a face that is not installed becomes "宋体"; the size becomes the
//   nearest whole pixel of height at 96 DPI (size x 4 / 3 pixels, halves up), given back in
//   points, so 10 realises as 9.75 and 12 stays 12.
//
// Families (advance, line height, per mille of the em); any other face: 500, 1200.
//   Arial 556 1150 | Arial Black 667 1410 | Trebuchet MS 524 1160 | Tahoma 545 1210 |
//   Times New Roman 500 1150 | 宋体 500 1150 | 微软雅黑 560 1320
// Installed at the start: every family of the table except Arial Black and Trebuchet MS, which
// the program brings as its own font files.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fonts.h"
#include "platform/name_compare.h"

namespace horalix::platform {

class FixedFontMetrics : public FontService {
 public:
  FixedFontMetrics();

  FontSpec realise(const FontSpec& requested) const override;
  TextExtent measure(const FontSpec& font, std::string_view text) const override;
  // Registers the family a font file holds (see familyOfFontFile); always succeeds here.
  bool addFontFile(const std::string& path) override;
  // The installed families, in name order.
  std::vector<std::string> screenFonts() const override {
    return {installed_.begin(), installed_.end()};
  }

  // The family a font file holds: "trebuc.ttf" holds "Trebuchet MS", "arialbd.ttf" "Arial";
  // any other file the family named by its file name without the extension.
  static std::string familyOfFontFile(std::string_view path);

  bool installed(std::string_view family) const;
  void install(const std::string& family) { installed_.insert(family); }
  void uninstall(const std::string& family) { installed_.erase(family); }

 private:
  std::set<std::string, FoldedLess> installed_;
};

}  // namespace horalix::platform
