#include "settings/hot_key_names.h"

namespace horalix {

std::string captureModifierPrefix(int shift) {
  const bool withShift = (shift & 1) != 0, ctrl = (shift & 2) != 0, alt = (shift & 4) != 0;
  // Shift alone adds no prefix: it only changes the key.
  if (!ctrl && !alt) return "";
  std::string prefix;
  if (withShift) prefix += "Shift+";
  if (ctrl) prefix += "Ctrl+";
  if (alt) prefix += "Alt+";
  return prefix;
}

std::string captureKeyName(int keyCode) {
  if (keyCode == 13) return "Enter";
  if (keyCode == 32) return "Space";
  if (keyCode >= 48 && keyCode <= 57) return std::string(1, static_cast<char>(keyCode));
  if (keyCode >= 65 && keyCode <= 90) return std::string(1, static_cast<char>(keyCode));
  if (keyCode >= 96 && keyCode <= 105) return "Num " + std::to_string(keyCode - 96);
  if (keyCode >= 112 && keyCode <= 123) return "F" + std::to_string(keyCode - 111);
  return "";
}

}  // namespace horalix
