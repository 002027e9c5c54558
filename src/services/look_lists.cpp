#include "services/look_lists.h"

#include <algorithm>

namespace horalix {

std::vector<std::string> clockFontList(const platform::FileSystem& files,
                                       const platform::FontService& fonts,
                                       const std::string& programFolder) {
  std::vector<std::string> names;
  if (files.normalFileExists(programFolder + "\\font\\Arial Black.ttf")) {
    names = {"Arial Black", "Trebuchet MS", "Arial", "新宋体",
             "微软雅黑",    "华文楷体",     "黑体",  "LCD数码"};
  } else {
    for (const std::string& name : fonts.screenFonts()) {
      if (name.find('@') == std::string::npos) names.push_back(name);
    }
  }
  if (std::find(names.begin(), names.end(), "Trebuchet MS") == names.end()) {
    names.push_back("Trebuchet MS");
  }
  return names;
}

}  // namespace horalix
