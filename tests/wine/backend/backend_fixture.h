// The pieces of the Win32 backend that the tests drive: the log (in a file of the test's own),
// the dispatch guard, the event loop and the form host, wired as the platform wires them.
#pragma once

#include <functional>
#include <string>

#include "platform/win32/dispatch_guard.h"
#include "platform/win32/win32_event_loop.h"
#include "platform/win32/win32_form_host.h"
#include "platform/win32/win32_log.h"

namespace horalix::win32::test {

// A folder of its own under the temporary folder, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // UTF-8 path of the folder, and of a name in it.
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

struct Backend {
  Backend();

  // Runs the message loop until `done()` holds or `limitMs` of real time have passed; false
  // when the limit ended it.
  bool runUntil(const std::function<bool()>& done, int limitMs = 5000);
  // The log file's content.
  std::string logText() const;

  TempFolder folder;
  Win32Log log;
  DispatchGuard guard;
  Win32EventLoop loop;
  Win32FormHost forms;
  int lastFormsUnloaded = 0;
};

}  // namespace horalix::win32::test
