// The program's open and save dialog for one file: the settings window imports a sound or a
// picture with it, the preset manager picks a document to link, the interaction settings a
// sound.
#pragma once

#include <string>

#include "platform/platform.h"

namespace horalix {

// The longest initial file name the dialog takes, in characters.
inline constexpr int kFileDialogMaxPath = 260;

// Shows the save dialog (`save`) or the open dialog and returns the chosen path; "" when the
// user cancels or the dialog fails. `filter` is "description|patterns|description|patterns...".
// An initial file name longer than 260 characters is refused with a message, without a dialog.
// A dialog that closes within 20 ms (it could not show itself, as with an initial name the
// system refuses) is shown once more without an initial name. With `multiSelect` several files
// may be chosen: the answer is then the folder and each bare name separated by NULs.
std::string FileDialog(platform::Platform& platform, bool save, const std::string& title,
                       const std::string& filter, const std::string& initialFile,
                       const std::string& defaultExtension, const std::string& initialDirectory,
                       bool multiSelect = false);

}  // namespace horalix
