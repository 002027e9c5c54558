// What the interaction menu shows of the five interaction presets, read from their sections of
// TimeData.db; the other readers and the writer are the folder's own.
#pragma once

#include <string>

namespace horalix {

namespace platform {
class FileSystem;
}

// The INI file and the files service through which every preset is read and written.
struct PresetFile {
  platform::FileSystem& files;
  std::string path;  // the program folder's TimeData.db
};

// What the interaction menu reads: the duration text (default "00:01:00") and the flags
// (default "00000").
struct InteractionMenuEntry {
  std::string sname;
  std::string checkvalue;
};
InteractionMenuEntry readInteractionMenuEntry(const PresetFile& file, int number);

}  // namespace horalix
