// The spotlights' settings in TimeData.db [light], read afresh each time a spotlight opens.
#pragma once

#include <cstdint>
#include <string>

namespace horalix {

namespace platform {
class FileSystem;
}

// Opacity of the dark area in percent: `backlight` read as a number and rounded, 70 when the
// key is missing or empty, kept within 10..100 (a value too large for a number counts as 100).
std::int32_t spotlightOpacity(platform::FileSystem& files, const std::string& iniPath);

// The layered window's alpha for an opacity in percent: opacity x 2.55, rounded (70 gives 178,
// 100 gives 255).
std::int32_t spotlightAlpha(std::int32_t opacity);

// The spot bitmap's base name: `clocklight` without blanks around it, "000" when it is missing
// or not exactly three characters long.
std::string spotlightBitmapName(platform::FileSystem& files, const std::string& iniPath);

}  // namespace horalix
