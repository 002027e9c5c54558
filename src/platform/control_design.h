// A form's controls as designed: one row per control, read by the forms model when the form is
// built. A form declares its controls in one table of these rows instead of adding them
// statement by statement.
#pragma once

#include <cstdint>
#include <string_view>

namespace horalix::platform {

enum class ControlKind;

// Design switches of a control.
namespace design {
inline constexpr unsigned kHidden = 1u << 0;    // Visible = False (state cells)
inline constexpr unsigned kDisabled = 1u << 1;  // Enabled = False
inline constexpr unsigned kAutoSize = 1u << 2;  // a label takes the size of its caption
// A list box whose lines are selected several at once (Shift a range, Ctrl single lines).
inline constexpr unsigned kMultiSelect = 1u << 3;
}  // namespace design

struct ControlDesign {
  ControlKind kind;
  std::string_view name;
  int index = -1;  // -1: not in a control array
  // Place and size in twips, inside its container.
  int left = 0, top = 0, width = 0, height = 0;
  // Caption of labels, buttons, frames and check boxes; Text of text boxes; a cell's value.
  std::string_view caption = {};
  // Font; an empty name keeps the default font.
  std::string_view fontName = {};
  double fontSize = 9;
  bool bold = false;
  std::uint32_t foreColor = 0x000000;
  std::uint32_t backColor = 0xFFFFFF;
  int borderStyle = 0;  // 0 none, 1 fixed single
  unsigned flags = 0;   // design:: switches
  int tabIndex = -1;    // the order the Tab key visits the controls; -1 none
  // The frame or picture box the control sits in ("": the form itself); it comes earlier in
  // the table.
  std::string_view container = {};
  int containerIndex = -1;
};

}  // namespace horalix::platform
