#include "bars/spotlight_settings.h"

#include <algorithm>

#include "services/ini_read_write.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

constexpr double kLeastOpacity = 10;
constexpr double kMostOpacity = 100;

std::string readLight(platform::FileSystem& files, const std::string& iniPath, const char* key,
                      const char* fallback) {
  return variantText(IniReadWrite(files, "readpart", iniPath, "light", key, fallback));
}

}  // namespace

std::int32_t spotlightOpacity(platform::FileSystem& files, const std::string& iniPath) {
  double value = 0;
  try {
    value = Val(readLight(files, iniPath, "backlight", "70"));
  } catch (const std::exception&) {
    // A number beyond any range asks for the most opacity there is.
    value = kMostOpacity;
  }
  // Kept within range before rounding, so that a large number cannot overflow the conversion.
  return CInt(std::clamp(value, kLeastOpacity, kMostOpacity));
}

std::int32_t spotlightAlpha(std::int32_t opacity) { return CInt(opacity * 2.55); }

std::string spotlightBitmapName(platform::FileSystem& files, const std::string& iniPath) {
  std::string name = Trim(readLight(files, iniPath, "clocklight", "000"));
  if (Len(name) != 3) name = "000";
  return name;
}

}  // namespace horalix
