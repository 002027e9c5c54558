#include "platform/win32/win32_fonts.h"

#include <algorithm>
#include <cmath>

#include "platform/win32/font_cache.h"
#include "platform/win32/screen_units.h"
#include "platform/win32/wide_text.h"

namespace horalix::win32 {

HFONT createFont(const platform::FontSpec& spec) {
  // A negative height asks for the character (em) height in pixels.
  const int height = -static_cast<int>(std::lround(spec.size * ScreenUnits::screenDpi().y / 72.0));
  return CreateFontW(height, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, spec.italic ? TRUE : FALSE,
                     FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, toWide(spec.name).c_str());
}

platform::FontSpec Win32Fonts::realise(const platform::FontSpec& requested) const {
  const FontCache::Entry& font = FontCache::shared().get(requested);
  const TEXTMETRICW& tm = font.metrics;
  platform::FontSpec realised = requested;
  realised.name = toUtf8(font.face);
  realised.size = (tm.tmHeight - tm.tmInternalLeading) * 72.0 / ScreenUnits::screenDpi().y;
  realised.bold = tm.tmWeight >= FW_BOLD;
  realised.italic = tm.tmItalic != 0;
  return realised;
}

platform::TextExtent Win32Fonts::measure(const platform::FontSpec& font,
                                         std::string_view text) const {
  FontCache& cache = FontCache::shared();
  const FontCache::Entry& entry = cache.get(font);
  HDC dc = cache.measuringDc();
  HGDIOBJ old = SelectObject(dc, entry.font);
  const std::wstring wide = toWide(text);
  int widest = 0, lines = 0;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = wide.find(L'\n', start);
    std::size_t stop = end == std::wstring::npos ? wide.size() : end;
    if (stop > start && wide[stop - 1] == L'\r') --stop;
    SIZE size{};
    if (stop > start) {
      GetTextExtentPoint32W(dc, wide.data() + start, static_cast<int>(stop - start), &size);
    }
    widest = std::max<int>(widest, size.cx);
    ++lines;
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  SelectObject(dc, old);
  const ScreenUnits units = ScreenUnits::current();
  return {units.toTwipsX(widest), units.toTwipsY(lines * entry.metrics.tmHeight)};
}

bool Win32Fonts::addFontFile(const std::string& path) {
  const bool added = AddFontResourceExW(toWide(path).c_str(), FR_PRIVATE, nullptr) > 0;
  // A face asked for before may now realise as the added one.
  if (added) FontCache::shared().clear();
  return added;
}

namespace {

int CALLBACK addFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM found) {
  reinterpret_cast<std::vector<std::string>*>(found)->push_back(toUtf8(font->lfFaceName));
  return 1;
}

}  // namespace

// One name per family of every character set, in name order, as a font list shows them.
std::vector<std::string> Win32Fonts::screenFonts() const {
  std::vector<std::string> families;
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return families;
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExW(screen, &wanted, &addFamily, reinterpret_cast<LPARAM>(&families), 0);
  ReleaseDC(nullptr, screen);
  std::sort(families.begin(), families.end());
  families.erase(std::unique(families.begin(), families.end()), families.end());
  return families;
}

}  // namespace horalix::win32
