#include "services/window_shape.h"

#include <array>
#include <exception>
#include <utility>

#include "platform/platform.h"
#include "services/option_names.h"
#include "services/runtime_error.h"
#include "services/settings_block.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

// Text colours whose key is a fixed colour near them; every other colour is keyed by itself + 10.
constexpr std::array<std::pair<std::uint32_t, std::uint32_t>, 7> kFixedKeys = {{
    {0x000000, 0x400000},  // black
    {0x0000FF, 0x3200FA},  // red
    {0x008000, 0x004000},  // green
    {0x00FFFF, 0x32FAFA},  // yellow
    {0x800000, 0xC00000},  // navy blue
    {0xFF00FF, 0x7171FA},  // magenta
    {0xFFFFFF, 0xFAFAFA},  // white
}};

}  // namespace

std::int16_t cornerRadius(double cornerIndex) {
  return CInt(cornerIndex <= 6 ? cornerIndex * 5 : 40 + (cornerIndex - 7) * 20);
}

double CornerIndex(const std::string& fontselect) {
  return Val(fontselectPart(fontselect, FontselectField::CornerIndex));
}

std::uint32_t KeyColour(std::uint32_t textColour) {
  for (const auto& [text, key] : kFixedKeys) {
    if (text == textColour) return key;
  }
  const std::int64_t key = static_cast<std::int64_t>(static_cast<std::int32_t>(textColour)) + 10;
  if (key > INT32_MAX) throw RuntimeError(RuntimeErrorCode::Overflow);
  return static_cast<std::uint32_t>(static_cast<std::int32_t>(key));
}

void creatrange(platform::Platform& platform, const SettingsBlock& settings,
                platform::Form& window) {
  try {
    const std::int16_t r = cornerRadius(CornerIndex(settings.Fontselect));
    const auto& desktop = platform.desktop;
    const std::int32_t w = CLng(static_cast<double>(window.Width()) / desktop.twipsPerPixelX());
    const std::int32_t h = CLng(static_cast<double>(window.Height()) / desktop.twipsPerPixelY());
    window.setRegion(platform::WindowRegion{1, 1, w - 1, h - 1, r, r});
  } catch (const std::exception& e) {
    platform.log(window.name() + ".creatrange: " + e.what());
  }
}

void changcolor(platform::Form& window, platform::Control& Picture2, std::uint32_t nowcolor) {
  const std::uint32_t key = KeyColour(nowcolor);
  Picture2.setBackColor(key);
  window.setBackColor(key);
  // Only the key counts; the rest of the window stays opaque.
  window.setLayered(key, 255);
}

}  // namespace horalix
