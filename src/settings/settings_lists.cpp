#include "settings/settings_lists.h"

#include <algorithm>
#include <initializer_list>

#include "services/palette.h"

namespace horalix {

namespace {

void fill(platform::Control& list, std::initializer_list<const char*> entries) {
  list.clear();
  for (const char* entry : entries) list.addItem(entry);
}

}  // namespace

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

void fillSettingsLists(platform::Form& window, const platform::FileSystem& files,
                       const platform::FontService& fonts, const std::string& programFolder) {
  platform::Control& fontList = window.control("Combo1");
  fontList.clear();
  for (const std::string& name : clockFontList(files, fonts, programFolder)) fontList.addItem(name);

  // Sizes: position i is the size of size index i.
  platform::Control& sizes = window.control("Combo2");
  sizes.clear();
  for (int i = 0; i <= 28; ++i) sizes.addItem(std::to_string(FontSizeByIndex(i)));

  fill(window.control("Combo3"),
       {"黑色", "深红", "紫红", "红色", "黄色", "橄榄色", "浅绿", "绿色", "绿蓝", "浅蓝", "深蓝",
        "天蓝", "兰色", "紫色", "灰色", "银白", "白色", "自定义"});

  // Corner radii: 0 to 30 in steps of 5, then 40 to 300 in steps of 20.
  platform::Control& corners = window.control("Combo4");
  corners.clear();
  for (int r = 0; r <= 30; r += 5) corners.addItem(std::to_string(r));
  for (int r = 40; r <= 300; r += 20) corners.addItem(std::to_string(r));

  fill(window.control("Combo5"), {"特大", "大", "中", "小"});
  fill(window.control("Combo6"), {"圆", "矩形", "条状"});
  fill(window.control("Combo7"), {"无变化", "变色", "加前缀：－", "加前缀：超时", "隐藏时钟"});
}

}  // namespace horalix
