#include "settings_lines.h"

#include <cstdint>

#include "services/runtime_error.h"
#include "services/settings_record.h"
#include "services/text_runtime.h"
#include "services/time_value.h"

namespace horalix::fuzz {

std::vector<std::string> fieldLines(const std::string& text, std::size_t count) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (out.size() < count) {
    const std::size_t end = text.find('\n', start);
    out.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  out.resize(count);
  return out;
}

SettingsBlock recordFromLines(const std::string& text) {
  const std::vector<std::string> f = fieldLines(text, 13);
  SettingsBlock s = defaultSettings();
  s.checkvalue = f[0];
  s.optvalue = f[1];
  s.Fontselect = f[2];
  s.AImode = f[3];
  s.tellsoundname = f[4];
  s.picturename = f[5];
  allowRuntimeError([&] { s.Time_all = TimeValue(f[6]); });
  auto number = [](const std::string& text) {
    std::int32_t n = 0;
    allowRuntimeError([&] { n = CLng(Val(text)); });
    return n;
  };
  s.Time_one = number(f[7]);
  s.Time_two = number(f[8]);
  s.Time_three = number(f[9]);
  s.time_end = number(f[10]);
  s.tellShowtime = static_cast<std::int16_t>(number(f[11]));
  s.tellouttext = f[12];
  return s;
}

std::vector<std::string> recordSeeds() {
  const std::string sounds = "start.wav\\Timeout.wav\\Timeout.wav\\Timeout.wav\\Stop.wav\\Stop.wav";
  auto seed = [&](const std::string& check, const std::string& opt, const std::string& font,
                  const std::string& time) {
    return check + "\n" + opt + "\n" + font + "\n10111101\n" + sounds + "\n\\0\n" + time +
           "\n2\n1\n0\n3\n3\n时间到";
  };
  return {
      seed("111111010100011111111111111100101", "100100100", "1060602\\65280", "00:00:03"),
      seed("111111010100011111111111111100101", "100100010", "1060617\\16711680", "00:00:02"),
      seed("111111010100011111111111111100101", "100100001", "1999999\\4294967296", "00:00:02"),
      seed("1", "1", "1", "00:00:01"),
      seed("", "", "", "00:00:00"),
      seed("1x1x1x1x1x1x1x1x1x1x1x1x1x1x1x1x1", "1a0b1c0d1", "1-1-1-1\\-1", "23:59:59"),
      seed("111111010100011111111111111100101", "001001100", "10606\\", "00:00:04"),
  };
}

}  // namespace horalix::fuzz
