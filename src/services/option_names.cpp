#include "services/option_names.h"

#include <algorithm>
#include <cstdio>

#include "services/text_runtime.h"

namespace horalix {

namespace {

std::string charAt(const std::string& options, int position) { return Mid(options, position, 1); }

void setAt(std::string& options, int position, bool on) {
  const auto index = static_cast<std::size_t>(position - 1);
  if (options.size() <= index) options.resize(index + 1, '0');
  options[index] = on ? '1' : '0';
}

struct Span {
  int start, length;  // 1-based; length 0: to the end
};

Span spanOf(FontselectField field) {
  switch (field) {
    case FontselectField::Lead:
      return {1, 1};
    case FontselectField::SizeIndex:
      return {2, 2};
    case FontselectField::ColourIndex:
      return {4, 2};
    case FontselectField::CornerIndex:
      return {6, 2};
    case FontselectField::Separator:
      return {8, 1};
    case FontselectField::ColourNumber:
      return {9, 0};
  }
  return {1, 0};
}

}  // namespace

std::string optionChar(const std::string& o, CheckFlag f) { return charAt(o, static_cast<int>(f)); }
std::string optionChar(const std::string& o, OptFlag f) { return charAt(o, static_cast<int>(f)); }
std::string optionChar(const std::string& o, AiFlag f) { return charAt(o, static_cast<int>(f)); }

bool optionOn(const std::string& o, CheckFlag f) { return optionChar(o, f) == "1"; }
bool optionOn(const std::string& o, OptFlag f) { return optionChar(o, f) == "1"; }
bool optionOn(const std::string& o, AiFlag f) { return optionChar(o, f) == "1"; }

void setOption(std::string& o, CheckFlag f, bool on) { setAt(o, static_cast<int>(f), on); }
void setOption(std::string& o, OptFlag f, bool on) { setAt(o, static_cast<int>(f), on); }
void setOption(std::string& o, AiFlag f, bool on) { setAt(o, static_cast<int>(f), on); }

CheckFlag stageSwitch(int stage) { return static_cast<CheckFlag>(1 + stage); }
CheckFlag stageFlash(int stage) { return static_cast<CheckFlag>(14 + stage); }
CheckFlag stageBar(int stage) { return static_cast<CheckFlag>(18 + stage); }
CheckFlag stageSound(int stage) { return static_cast<CheckFlag>(23 + stage); }

std::string fontselectPart(const std::string& fontselect, FontselectField field) {
  const Span span = spanOf(field);
  return span.length == 0 ? Mid(fontselect, span.start) : Mid(fontselect, span.start, span.length);
}

std::string makeFontselect(int sizeIndex, int colourIndex, int cornerIndex,
                           std::string_view colourNumber) {
  // Each position stays two digits wide whatever it is given.
  const auto field = [](int position) { return std::clamp(position, 0, 99); };
  char fields[16];
  std::snprintf(fields, sizeof fields, "1%02d%02d%02d\\", field(sizeIndex), field(colourIndex),
                field(cornerIndex));
  return fields + std::string(colourNumber);
}

}  // namespace horalix
