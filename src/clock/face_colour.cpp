#include "clock/face_colour.h"

#include "app/palette.h"
#include "app/text_runtime.h"

namespace horalix {

std::uint32_t FaceColour(const std::string& fontselect) {
  const int index = static_cast<int>(Val(Mid(fontselect, 4, 2)));
  if (index < 17) return ColorByIndex(index);
  return static_cast<std::uint32_t>(CLng(Val(Mid(fontselect, 9))));
}

}  // namespace horalix
