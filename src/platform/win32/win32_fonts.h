// Fonts over GDI: what a font request realises as on this screen, text sizes in twips, and the
// program's own font files registered for the process.
#pragma once

#include <windows.h>

#include "platform/fonts.h"

namespace horalix::win32 {

class Win32Fonts final : public platform::FontService {
 public:
  platform::FontSpec realise(const platform::FontSpec& requested) const override;
  platform::TextExtent measure(const platform::FontSpec& font,
                               std::string_view text) const override;
  // Private to the process: other programs do not see the program's fonts.
  bool addFontFile(const std::string& path) override;
  // The face names of the screen's fonts, each once, in the order GDI lists them.
  std::vector<std::string> installedFonts() const override;
};

// A GDI font for a font of the program (points at the screen's resolution); the caller deletes
// it with DeleteObject.
HFONT createFont(const platform::FontSpec& spec);

}  // namespace horalix::win32
