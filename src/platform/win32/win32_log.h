// Where the Win32 backend writes the errors it catches and passes over: the debugger output and
// a small log file in the user's temporary folder (%TEMP%\Horalix.log).
#pragma once

#include <string>

namespace horalix::win32 {

class Win32Log {
 public:
  Win32Log();
  explicit Win32Log(std::wstring filePath);

  void write(const std::string& message);
  const std::wstring& filePath() const { return filePath_; }

 private:
  std::wstring filePath_;
};

}  // namespace horalix::win32
