// Small services over the desktop and the shell: opening a document, address or help page, keeping
// a window on top unless the program's menus or dialogs need the screen, the English keyboard
// layout, the mouse position and layered transparency.
#pragma once

#include <cstdint>
#include <string>

#include "platform/desktop.h"

namespace horalix {

namespace platform {
class Form;
struct Platform;
}  // namespace platform
struct RunState;

// Opens a document, folder or web address with its associated program; when the shell cannot,
// Explorer is started with it, minimised.
void OpenWithShell(platform::Platform& platform, const std::string& target);

// Opens a page of the program's help file ("2.1、设置.htm"; "" for the file's first page): the
// help viewer first, maximised, with the path quoted so that a program folder with a blank in
// its name reaches it whole; then the HTML help function, in a window owned by `owner`; when
// neither opens the user is told "无法打开帮助文件！".
void openHelpPage(platform::Platform& platform, const std::string& page,
                  const platform::Form& owner);

// Puts the window on top of all others while the hold-off counter (Frm_exit.Label1) is below 1;
// otherwise lowers the counter by 5 and leaves the window where it is. Every window of the
// program calls this from its timers, so the counter runs down across all of them.
void SetTopmost(RunState& run, platform::Form& window);

// Switches the input language to US English, so that the hot keys' letters are what they say.
void UseEnglishKeyboard(platform::Platform& platform);

// The mouse position in screen pixels ((0, 0) when the system cannot tell).
platform::PixelPoint CursorPos(platform::Platform& platform);

// Makes the window layered: pixels of the key colour (0x00BBGGRR) become transparent, the rest
// takes the opacity alpha (0 invisible to 255 opaque). An alpha outside 0 to 255 changes nothing.
void SetTransparent(platform::Form& window, std::uint32_t colorKey, std::int32_t alpha);

}  // namespace horalix
