#include "app/app.h"

namespace horalix {

App::App(platform::Platform& p) : platform(p) {}

App::~App() = default;

void App::endProcess(int exitCode) {
  ended_ = true;
  platform.loop.quit(exitCode);
}

}  // namespace horalix
