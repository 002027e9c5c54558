// The entries of the font and colour lists that both settings windows offer for a clock's look.
// Their positions are what the settings store, so the entries and their order are fixed.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/fonts.h"

namespace horalix {

// The colour list: the names of palette indices 0 to 16, then "自定义" for a colour of one's own.
inline constexpr std::array<const char*, 18> kColourListNames = {
    "黑色", "深红", "紫红", "红色", "黄色", "橄榄色", "浅绿", "绿色", "绿蓝",
    "浅蓝", "深蓝", "天蓝", "兰色", "紫色", "灰色",   "银白", "白色", "自定义"};

// The fonts offered for a clock: the program's own set when its font folder holds
// "Arial Black.ttf", else every installed screen font without "@" (the vertical faces);
// "Trebuchet MS" is always among them.
std::vector<std::string> clockFontList(const platform::FileSystem& files,
                                       const platform::FontService& fonts,
                                       const std::string& programFolder);

}  // namespace horalix
