// The header strips above the two lists: each column's title, as the entry area names it,
// stands above the column's start. The number and the name stand where a row's text puts them
// ("001", the gap, the name); the two tab columns begin at the list's tab stops, which count in
// quarters of the average character width of the list's font.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "presets/preset_manager.h"

namespace horalix {

namespace {

// From the box's border to the first character of a row.
constexpr int kTextInset = 45;
// The letters whose mean width is the system's average character width.
constexpr const char* kAlphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

}  // namespace

void PresetManager::drawHeadings() {
  // The presets show number, name, date and remark; the links number, preset, document, remark.
  const std::array<std::pair<const platform::ControlRow*, std::array<int, 4>>, 2> titles = {{
      {&Label1, {0, 1, 2, 3}},
      {&Label2, {0, 2, 1, 3}},
  }};
  const std::array<std::pair<platform::Control*, platform::Control*>, 2> strips = {{
      {&Picture2, &List1},
      {&Picture3, &List2},
  }};
  for (std::size_t k = 0; k < strips.size(); ++k) {
    platform::Control& strip = *strips[k].first;
    const platform::Control& list = *strips[k].second;
    strip.setFont(list.Font());
    strip.setAutoRedraw(true);
    strip.Cls();
    std::vector<double> starts{0, static_cast<double>(strip.TextWidth("001" + listpad))};
    const double quarterCharacter = strip.TextWidth(kAlphabet) / 52.0 / 4;
    for (int stop : list.tabStops()) {
      if (stop > 0) starts.push_back(stop * quarterCharacter);
    }
    for (std::size_t i = 0; i < starts.size(); ++i) {
      const std::string& title = (*titles[k].first)[titles[k].second[i]].Caption();
      strip.CurrentX = list.Left() - strip.Left() + kTextInset + starts[i];
      strip.CurrentY = (strip.Height() - strip.TextHeight(title)) / 2.0;
      strip.Print(title);
    }
  }
}

}  // namespace horalix
