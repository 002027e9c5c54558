#include "platform/win32/win32_fonts.h"

#include <algorithm>
#include <cmath>

#include "platform/win32/screen_units.h"
#include "platform/win32/wide_text.h"

namespace horalix::win32 {

namespace {

int screenDpiY() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

// A font selected into a screen DC for the life of the object.
class MeasuringDc {
 public:
  explicit MeasuringDc(const platform::FontSpec& spec)
      : dc_(GetDC(nullptr)), font_(createFont(spec)) {
    old_ = SelectObject(dc_, font_);
    GetTextMetricsW(dc_, &metrics_);
  }
  ~MeasuringDc() {
    SelectObject(dc_, old_);
    DeleteObject(font_);
    ReleaseDC(nullptr, dc_);
  }
  MeasuringDc(const MeasuringDc&) = delete;
  MeasuringDc& operator=(const MeasuringDc&) = delete;

  HDC dc() const { return dc_; }
  const TEXTMETRICW& metrics() const { return metrics_; }

 private:
  HDC dc_;
  HFONT font_;
  HGDIOBJ old_ = nullptr;
  TEXTMETRICW metrics_{};
};

}  // namespace

HFONT createFont(const platform::FontSpec& spec) {
  // A negative height asks for the character (em) height in pixels.
  const int height = -static_cast<int>(std::lround(spec.size * screenDpiY() / 72.0));
  return CreateFontW(height, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, spec.italic ? TRUE : FALSE,
                     FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, toWide(spec.name).c_str());
}

platform::FontSpec Win32Fonts::realise(const platform::FontSpec& requested) const {
  MeasuringDc measuring(requested);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(measuring.dc(), LF_FACESIZE, face);
  const TEXTMETRICW& tm = measuring.metrics();
  platform::FontSpec realised = requested;
  realised.name = toUtf8(face);
  realised.size = (tm.tmHeight - tm.tmInternalLeading) * 72.0 / screenDpiY();
  realised.bold = tm.tmWeight >= FW_BOLD;
  realised.italic = tm.tmItalic != 0;
  return realised;
}

platform::TextExtent Win32Fonts::measure(const platform::FontSpec& font,
                                         std::string_view text) const {
  MeasuringDc measuring(font);
  const std::wstring wide = toWide(text);
  int widest = 0, lines = 0;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = wide.find(L'\n', start);
    std::size_t stop = end == std::wstring::npos ? wide.size() : end;
    if (stop > start && wide[stop - 1] == L'\r') --stop;
    SIZE size{};
    if (stop > start) {
      GetTextExtentPoint32W(measuring.dc(), wide.data() + start, static_cast<int>(stop - start),
                            &size);
    }
    widest = std::max<int>(widest, size.cx);
    ++lines;
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  const ScreenUnits units = ScreenUnits::current();
  return {units.toTwipsX(widest), units.toTwipsY(lines * measuring.metrics().tmHeight)};
}

bool Win32Fonts::addFontFile(const std::string& path) {
  return AddFontResourceExW(toWide(path).c_str(), FR_PRIVATE, nullptr) > 0;
}

namespace {

int CALLBACK collectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM names) {
  auto& list = *reinterpret_cast<std::vector<std::string>*>(names);
  std::string name = toUtf8(font->lfFaceName);
  if (std::find(list.begin(), list.end(), name) == list.end()) list.push_back(std::move(name));
  return 1;
}

}  // namespace

std::vector<std::string> Win32Fonts::installedFonts() const {
  std::vector<std::string> names;
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return names;
  LOGFONTW all{};
  all.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExW(screen, &all, &collectFace, reinterpret_cast<LPARAM>(&names), 0);
  ReleaseDC(nullptr, screen);
  return names;
}

}  // namespace horalix::win32
