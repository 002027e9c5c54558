#include "services/text_helpers.h"

#include <cstdint>

#include "platform/utf8_text.h"
#include "services/runtime_error.h"
#include "services/text_runtime.h"

namespace horalix {

namespace utf8 = platform::utf8;

std::string CutAtControlChar(std::string& text) {
  text = CutAtControlChar(std::string_view(text));
  return text;
}

std::string CutAtControlChar(std::string_view text) {
  static constexpr char kControls[] = {'\n', '\t', '\0', '\r'};
  return std::string(text.substr(0, text.find_first_of(std::string_view(kControls, 4))));
}

std::string TimeToMinSec(std::string_view time) {
  const std::vector<std::string> fields = Split(time, ":");
  if (fields.size() < 3) throw RuntimeError(RuntimeErrorCode::SubscriptOutOfRange);
  return fields[1] + ":" + fields[2];
}

double TextWidthUnits(std::string_view text) {
  // The runtime's counters are 16-bit.
  std::int32_t letters = 0, digits = 0, blanks = 0, others = 0;
  for (std::size_t pos = 0; pos < text.size(); pos = utf8::charEnd(text, pos)) {
    const char c = text[pos];
    std::int32_t& counter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '.' ? letters
                            : c >= '0' && c <= '9'                                       ? digits
                            : c == ' '                                                   ? blanks
                                                                                         : others;
    if (++counter > 32767) throw RuntimeError(RuntimeErrorCode::Overflow);
  }
  return (letters + digits) / 2.0 + blanks + others;
}

// The password the shipped database file was set up with.
std::string GetDbPassword() { return "731QT908"; }

}  // namespace horalix
