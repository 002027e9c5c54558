// The simulated system's ANSI code page, converted with iconv. Like the Windows conversions, a
// byte sequence the code page cannot decode becomes U+FFFD and a character it lacks becomes "?".
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "platform/headless/headless_file_system.h"

namespace horalix::platform {

namespace {

constexpr unsigned kUtf8CodePage = 65001;

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
  // `skip` input bytes (or one UTF-8 character when `skip` is 0) and goes on.
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

}  // namespace horalix::platform
