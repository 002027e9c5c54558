// Names that Windows compares without regard to letter case: registry keys and values, INI
// sections and keys, file names. Only ASCII letters fold; the bytes of other UTF-8 characters
// compare as they are.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace horalix::platform {

inline char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

inline std::string foldCase(std::string_view text) {
  std::string folded(text);
  std::transform(folded.begin(), folded.end(), folded.begin(), foldAscii);
  return folded;
}

inline bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return foldAscii(x) == foldAscii(y);
         });
}

// Orders names as the case-folded keys of a map, so that one entry stands for every spelling.
struct FoldedLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return static_cast<unsigned char>(foldAscii(x)) < static_cast<unsigned char>(foldAscii(y));
    });
  }
};

}  // namespace horalix::platform
