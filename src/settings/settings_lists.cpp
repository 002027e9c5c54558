#include "settings/settings_lists.h"

#include <initializer_list>

#include "services/look_lists.h"
#include "services/palette.h"

namespace horalix {

namespace {

void fill(platform::Control& list, std::initializer_list<const char*> entries) {
  list.clear();
  for (const char* entry : entries) list.addItem(entry);
}

}  // namespace

void fillSettingsLists(const SettingsFields& fields, const platform::FileSystem& files,
                       const platform::FontService& fonts, const std::string& programFolder) {
  platform::Control& fontList = fields.Combo1;
  fontList.clear();
  for (const std::string& name : clockFontList(files, fonts, programFolder)) fontList.addItem(name);

  // Sizes: position i is the size of size index i.
  platform::Control& sizes = fields.Combo2;
  sizes.clear();
  for (int i = 0; i <= 28; ++i) sizes.addItem(std::to_string(FontSizeByIndex(i)));

  platform::Control& colours = fields.Combo3;
  colours.clear();
  for (const char* name : kColourListNames) colours.addItem(name);

  // Corner radii: 0 to 30 in steps of 5, then 40 to 300 in steps of 20.
  platform::Control& corners = fields.Combo4;
  corners.clear();
  for (int r = 0; r <= 30; r += 5) corners.addItem(std::to_string(r));
  for (int r = 40; r <= 300; r += 20) corners.addItem(std::to_string(r));

  fill(fields.Combo5, {"特大", "大", "中", "小"});
  fill(fields.Combo6, {"圆", "矩形", "条状"});
  fill(fields.Combo7, {"无变化", "变色", "加前缀：－", "加前缀：超时", "隐藏时钟"});
}

}  // namespace horalix
