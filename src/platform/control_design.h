// A form's controls as designed: one row per control, read by the forms model when the form is
// built. A form declares its controls in one table of these rows instead of adding them
// statement by statement.
#pragma once

#include <cstdint>
#include <string_view>

namespace horalix::platform {

enum class ControlKind;

// The pointer shown while the mouse is over a window or control. Default: the one the window or
// control shows of its kind (the arrow, a text box's I-beam).
enum class MousePointer {
  Default,
  Cross,  // marking a place on the screen
  Hand,   // a link: clicking it opens something
};

// Design switches of a control.
namespace design {
inline constexpr unsigned kHidden = 1u << 0;       // Visible = False
inline constexpr unsigned kDisabled = 1u << 1;     // Enabled = False
inline constexpr unsigned kAutoSize = 1u << 2;     // a label takes the size of its caption
inline constexpr unsigned kMultiSelect = 1u << 3;  // a list box with extended selection
inline constexpr unsigned kLocked = 1u << 4;       // a text box the user cannot type into
// A combo box whose text is always one of its items (no free text).
inline constexpr unsigned kDropdownList = 1u << 5;
}  // namespace design

struct ControlDesign {
  ControlKind kind;
  std::string_view name;
  int index = -1;  // -1: not in a control array
  // Place and size in twips, inside its container.
  int left = 0, top = 0, width = 0, height = 0;
  // Caption of labels, buttons, frames and check boxes; Text of text boxes.
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
  // Scroll bars: the range of Value (Min may lie above Max); check boxes, option buttons and
  // scroll bars: the value as designed.
  int min = 0, max = 32767;
  int value = 0;
  // Shown while the mouse rests on the control; empty: none.
  std::string_view toolTipText = {};
  MousePointer mousePointer = MousePointer::Default;
};

}  // namespace horalix::platform
