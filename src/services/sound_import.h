// Bringing a sound file into the program's sounds folder, from which every sound is played: the
// user picks a file, and a file of that name that is not in the folder yet is copied there. The
// settings window and the interaction settings window show the bare name in a text box.
#pragma once

#include <optional>
#include <string>

namespace horalix {

class Context;

// Asks for one sound file (.wav or .mp3) and makes sure a file of its name stands in the sounds
// folder, creating the folder when it is missing. A file of that name already there is kept and
// used, whatever it holds: nothing is overwritten. Returns the bare file name to show; nullopt
// when the box should keep the name it had: the user cancelled (told "没有选择文件"), picked a
// shortcut, or the folder or the copy failed (told "没有进行选择" for 800 ms), so that a box never
// names a file that is not in the folder.
std::optional<std::string> ImportSoundFile(Context& app);

}  // namespace horalix
