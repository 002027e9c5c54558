#include "platform/win32/font_cache.h"

#include "platform/win32/win32_fonts.h"

namespace horalix::win32 {

FontCache& FontCache::shared() {
  static FontCache cache;
  return cache;
}

FontCache::FontCache(std::size_t capacity) : capacity_(capacity > 0 ? capacity : 1) {}

FontCache::~FontCache() {
  clear();
  if (dc_ != nullptr) DeleteDC(dc_);
}

HDC FontCache::measuringDc() {
  if (dc_ == nullptr) {
    dc_ = CreateCompatibleDC(nullptr);
    if (dc_ != nullptr) dcDefaultFont_ = GetCurrentObject(dc_, OBJ_FONT);
  }
  return dc_;
}

void FontCache::release(Entry& entry) {
  if (entry.font == nullptr) return;
  // A font still selected into the measuring DC would not be deleted.
  if (dc_ != nullptr && GetCurrentObject(dc_, OBJ_FONT) == entry.font) {
    SelectObject(dc_, dcDefaultFont_);
  }
  DeleteObject(entry.font);
  entry.font = nullptr;
}

void FontCache::clear() {
  for (Entry& entry : entries_) release(entry);
  entries_.clear();
}

const FontCache::Entry& FontCache::get(const platform::FontSpec& spec) {
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if (it->spec == spec) {
      entries_.splice(entries_.begin(), entries_, it);
      return entries_.front();
    }
  }
  while (entries_.size() >= capacity_) {
    release(entries_.back());
    entries_.pop_back();
  }
  Entry entry;
  entry.spec = spec;
  entry.font = createFont(spec);
  if (HDC dc = measuringDc(); dc != nullptr && entry.font != nullptr) {
    HGDIOBJ old = SelectObject(dc, entry.font);
    GetTextMetricsW(dc, &entry.metrics);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    entry.face = face;
    SelectObject(dc, old);
  }
  entries_.push_front(std::move(entry));
  return entries_.front();
}

}  // namespace horalix::win32
