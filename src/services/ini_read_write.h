// The one routine through which the program reads and writes its INI file TimeData.db.
#pragma once

#include <string>

#include "platform/files.h"
#include "services/variant.h"

namespace horalix {

// The verbs, exactly as written (letter case counts):
// "readpart": the key's text, or `value` (the caller's default) when that text is empty;
// "readall":  the section as list text (SectionToList), or `value` when that is empty;
// "write":    key = value, creating file, section and key as needed; Empty;
// "delpart":  deletes the key; Empty;   "delall": deletes the section; Empty.
// Any other verb does nothing and gives Empty. No verb reports a failure.
Variant IniReadWrite(platform::FileSystem& files, const std::string& verb, const std::string& file,
                     const std::string& section, const std::string& key, const std::string& value);

// A section as the profile functions copy it (entries each followed by a NUL) turned into one
// line: entries joined by ",", blanks trimmed at both ends, no trailing ",".
std::string SectionToList(const std::string& text);

}  // namespace horalix
