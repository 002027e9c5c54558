#include "platform/headless/fixed_font_metrics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "platform/utf8_text.h"

namespace horalix::platform {

namespace {

struct FamilyMetrics {
  std::string_view family;
  int advance;     // per mille of the em
  int lineHeight;  // per mille of the em
};

constexpr std::array<FamilyMetrics, 7> kFamilies = {{
    {"Arial", 556, 1150},
    {"Arial Black", 667, 1410},
    {"Trebuchet MS", 524, 1160},
    {"Tahoma", 545, 1210},
    {"Times New Roman", 500, 1150},
    {"宋体", 500, 1150},
    {"微软雅黑", 560, 1320},
}};
constexpr FamilyMetrics kOtherFamily{"", 500, 1200};
constexpr std::string_view kDefaultFace = "宋体";

const FamilyMetrics& metricsOf(std::string_view family) {
  for (const FamilyMetrics& m : kFamilies) {
    if (sameName(m.family, family)) return m;
  }
  return kOtherFamily;
}

bool fullWidth(char32_t c) {
  return (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
         (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) ||
         (c >= 0x20000 && c <= 0x3FFFD);
}

int roundHalfUp(double v) { return static_cast<int>(std::floor(v + 0.5)); }

}  // namespace

FixedFontMetrics::FixedFontMetrics() {
  for (const FamilyMetrics& m : kFamilies) {
    if (m.family != "Arial Black" && m.family != "Trebuchet MS") {
      installed_.insert(std::string(m.family));
    }
  }
}

bool FixedFontMetrics::installed(std::string_view family) const {
  return installed_.find(family) != installed_.end();
}

FontSpec FixedFontMetrics::realise(const FontSpec& requested) const {
  FontSpec realised = requested;
  if (!installed(requested.name)) realised.name = std::string(kDefaultFace);
  const int pixels = std::max(1, roundHalfUp(requested.size * 4.0 / 3.0));
  realised.size = pixels * 0.75;
  return realised;
}

TextExtent FixedFontMetrics::measure(const FontSpec& font, std::string_view text) const {
  const FontSpec realised = realise(font);
  const FamilyMetrics& m = metricsOf(realised.name);
  const double em = realised.size * 20.0;
  double widest = 0, line = 0;
  int lines = 1;
  for (std::size_t pos = 0; pos < text.size();) {
    const char32_t c = utf8::nextCodePoint(text, pos);
    if (c == U'\r') continue;
    if (c == U'\n') {
      widest = std::max(widest, line);
      line = 0;
      ++lines;
      continue;
    }
    line += fullWidth(c) ? em : em * m.advance / 1000.0;
  }
  widest = std::max(widest, line);
  return {roundHalfUp(widest), roundHalfUp(lines * em * m.lineHeight / 1000.0)};
}

std::string FixedFontMetrics::familyOfFontFile(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  if (sameName(name, "trebuc.ttf")) return "Trebuchet MS";
  if (sameName(name, "arialbd.ttf")) return "Arial";
  const std::size_t dot = name.find_last_of('.');
  return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

bool FixedFontMetrics::addFontFile(const std::string& path) {
  installed_.insert(familyOfFontFile(path));
  return true;
}

}  // namespace horalix::platform
