// The start of the program: one instance only, the program folder published for the add-in,
// the start-up check, then the six windows that stay loaded for the life of the process.
#pragma once

#include <memory>

namespace horalix {

namespace platform {
struct Platform;
}

class App;

// The program as an entry point holds it: built on its platform and started (Main) at
// construction, alive until destroyed. This is all an entry point sees of the program.
class Program {
 public:
  explicit Program(platform::Platform& platform);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // A second instance, or a failed start-up check, ended the program during its start.
  bool ended() const;

 private:
  std::unique_ptr<App> app_;
};

// The entry of the program. A second instance, or a failed start-up check, ends the process
// (App::ended()) without opening any window; otherwise the six windows are open and the program
// lives on in their messages and timers.
void Main(App& app);

// Registers the common-control classes; true when that raised no error.
bool InitControls(App& app);

}  // namespace horalix
