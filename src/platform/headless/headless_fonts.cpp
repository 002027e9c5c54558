#include "platform/headless/headless_fonts.h"

namespace horalix::platform {

bool HeadlessFonts::addFontFile(const std::string& path) {
  calls_.push_back(path);
  if (fails_ || !files_.normalFileExists(path)) return false;
  return FixedFontMetrics::addFontFile(path);
}

}  // namespace horalix::platform
