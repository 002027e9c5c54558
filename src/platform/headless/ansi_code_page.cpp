// The simulated system's ANSI code page, converted with iconv, or, where the headless backend is
// built for Windows itself (its tests run under Wine), with the system's own conversions. Like
// those, a byte sequence the code page cannot decode becomes U+FFFD and a character it lacks
// becomes "?".
#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <algorithm>
#include <cerrno>
#include <string>

#include "platform/headless/headless_file_system.h"

namespace horalix::platform {

namespace {

constexpr unsigned kUtf8CodePage = 65001;

#ifdef _WIN32

std::wstring toWide(unsigned codePage, std::string_view bytes) {
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
  if (length > 0) MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
  return wide;
}

std::string fromWide(unsigned codePage, const std::wstring& wide) {
  const int size = static_cast<int>(wide.size());
  const char* replacement = codePage == CP_UTF8 ? nullptr : "?";
  const int length =
      WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, replacement, nullptr);
  std::string bytes(static_cast<std::size_t>(std::max(length, 0)), '\0');
  if (length > 0) {
    WideCharToMultiByte(codePage, 0, wide.data(), size, bytes.data(), length, replacement, nullptr);
  }
  return bytes;
}

}  // namespace

std::string HeadlessFileSystem::ansiToUtf8(std::string_view bytes) const {
  if (ansiCodePage_ == kUtf8CodePage) return std::string(bytes);
  return fromWide(CP_UTF8, toWide(ansiCodePage_, bytes));
}

std::string HeadlessFileSystem::utf8ToAnsi(std::string_view text) const {
  if (ansiCodePage_ == kUtf8CodePage) return std::string(text);
  return fromWide(ansiCodePage_, toWide(CP_UTF8, text));
}

#else

class Converter {
 public:
  Converter(const std::string& to, const std::string& from)
      : handle_(iconv_open(to.c_str(), from.c_str())) {}
  ~Converter() {
    if (valid()) iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much as it can; at a sequence it cannot convert, appends `replacement`, skips
  // `skip` input bytes (or, when `skip` is 0, the byte and every UTF-8 continuation byte after
  // it, so a broken or overlong sequence gives one replacement) and goes on.
  std::string run(std::string_view input, std::string_view replacement, std::size_t skip) {
    std::string output;
    char buffer[256];
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
      char* out = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t done = iconv(handle_, &in, &inLeft, &out, &outLeft);
      output.append(buffer, static_cast<std::size_t>(out - buffer));
      if (done != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
      output += replacement;
      std::size_t step = skip;
      if (step == 0) {
        step = 1;
        while (step < inLeft && (static_cast<unsigned char>(in[step]) & 0xC0) == 0x80) ++step;
      }
      step = std::min(step, inLeft);
      in += step;
      inLeft -= step;
    }
    return output;
  }

 private:
  iconv_t handle_;
};

std::string codePageName(unsigned codePage) { return "CP" + std::to_string(codePage); }

}  // namespace

std::string HeadlessFileSystem::ansiToUtf8(std::string_view bytes) const {
  if (ansiCodePage_ == kUtf8CodePage) return std::string(bytes);
  Converter converter("UTF-8", codePageName(ansiCodePage_));
  if (!converter.valid()) return std::string(bytes);
  return converter.run(bytes, "\xEF\xBF\xBD", 1);
}

std::string HeadlessFileSystem::utf8ToAnsi(std::string_view text) const {
  if (ansiCodePage_ == kUtf8CodePage) return std::string(text);
  Converter converter(codePageName(ansiCodePage_), "UTF-8");
  if (!converter.valid()) return std::string(text);
  return converter.run(text, "?", 0);
}

#endif

}  // namespace horalix::platform
