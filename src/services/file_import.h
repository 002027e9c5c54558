// Bringing a file into a folder of the program, from which it is always used: sounds are played
// from the sounds folder, the clock's background pictures are drawn from the picture folder. The
// user picks a file, and a file of that name that is not in the folder yet is copied there. The
// windows show the bare name in a text box.
#pragma once

#include <optional>
#include <string>

namespace horalix {

namespace platform {
struct Platform;
}

// Asks for a sound file (.wav or .mp3) for the sounds folder. See importFile.
std::optional<std::string> importSoundFile(platform::Platform& platform);

// Asks for a picture file (.jpg, .ico, .bmp or .gif) for the picture folder. See importFile.
std::optional<std::string> importPictureFile(platform::Platform& platform);

// What one kind of import asks and tells.
struct FileImport {
  const char* folder;         // inside the program folder
  const char* filter;         // the file dialog's filter
  const char* nothingChosen;  // told when the user cancels
};

// Asks for a file and makes sure a file of its name stands in the folder, creating the folder
// when it is missing. When several files are picked the first that is no shortcut counts. A file
// of that name already there is kept and used, whatever it holds: nothing is overwritten.
// Returns the bare file name to show; nullopt when the box should keep the name it had: the user
// cancelled (told `nothingChosen` in a modal box), picked only shortcuts, or the folder or the
// copy failed (told "没有进行选择" for 800 ms), so that a box never names a file that is not in
// the folder.
std::optional<std::string> importFile(platform::Platform& platform, const FileImport& kind);

}  // namespace horalix
