// The GDI fonts of the program, made once per font and kept while they are in use: the clock
// measures and draws its text several times a second in the same one or two fonts, and making a
// font, a screen DC and its metrics anew each time costs more than the drawing itself.
#pragma once

#include <windows.h>

#include <cstddef>
#include <list>
#include <string>

#include "platform/fonts.h"

namespace horalix::win32 {

class FontCache {
 public:
  // A font as GDI made it: the handle, its metrics and the face that took.
  struct Entry {
    platform::FontSpec spec;
    HFONT font = nullptr;
    TEXTMETRICW metrics{};
    std::wstring face;
  };

  // The one cache of the process (GDI objects belong to the process, not to a window).
  static FontCache& shared();

  explicit FontCache(std::size_t capacity = 8);
  ~FontCache();
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  // The font for a request, made on first use. The handle stays valid until `capacity` other
  // fonts have been asked for since, or until clear(): use it at once, do not keep it.
  const Entry& get(const platform::FontSpec& spec);
  // A memory DC on the screen for measuring, with nothing of the caller's left selected in it.
  HDC measuringDc();
  // Forgets every font, as after a font file was added (a face may now realise differently).
  void clear();
  std::size_t size() const { return entries_.size(); }

 private:
  void release(Entry& entry);

  std::size_t capacity_;
  std::list<Entry> entries_;  // most recently used first
  HDC dc_ = nullptr;
  HGDIOBJ dcDefaultFont_ = nullptr;
};

}  // namespace horalix::win32
