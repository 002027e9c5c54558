// The repair command of the settings window: makes sure the scripting runtime is registered and
// clears the Office hosts' lists of disabled add-ins, so that the hosts load Horalink32 again
// after they had switched it off; it also forgets the document of the last run.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace horalix {

struct AddinRepairResult {
  // System components that are not in the system folder (they are never copied there).
  std::vector<std::string> missingComponents;
  // Regsvr32 ran, ended and reported success.
  bool registered = false;
  // Lists of disabled add-ins that are still there after their deletion.
  std::vector<std::string> keysLeft;
  bool ok() const { return missingComponents.empty() && registered && keysLeft.empty(); }
};

// The folder of the 32-bit system components: the Windows folder's SysWOW64 on a 64-bit
// Windows, else the system folder.
std::string componentFolder(const platform::FileSystem& files);

// The 24 lists of disabled add-ins under HKEY_CURRENT_USER, in the order they are deleted: Word,
// Excel, then PowerPoint, each for the Office versions 11.0 to 19.0 (there is no 13.0).
std::vector<std::string> disabledItemsKeys();

// Tells the user what is about to happen, registers the scripting runtime with Regsvr32 and
// waits for it, deletes the lists of disabled add-ins, empties [clocksite] filename of the INI
// file, and shows the outcome in a message that closes itself after 8 seconds: the success text
// only when every step worked, else a failure text with the same advice.
AddinRepairResult RepairOfficeAddin(platform::Platform& platform, const std::string& iniPath);

}  // namespace horalix
