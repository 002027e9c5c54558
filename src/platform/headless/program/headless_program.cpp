// The headless program: builds the simulated desktop with a temporary program folder, runs its
// event loop and says what happened. The program's own start-up is not wired in yet, so no
// window of the program opens here.
#include <cstdio>
#include <string>

#include "platform/headless/headless_platform.h"

int main() {
  using namespace horalix::platform;
  HeadlessPlatform headless;
  HeadlessEventLoop& loop = headless.loop();
  HeadlessFileSystem& files = headless.files();

  std::printf("Horalix headless: a simulated desktop with virtual time.\n");
  std::printf("Program folder: %s (files in %s, removed at exit)\n", files.programFolder().c_str(),
              files.realPath(files.programFolder()).c_str());
  const PixelRect screen = headless.desktop().primaryScreen();
  std::printf("Desktop: %d screen(s), primary %dx%d pixels, %d twips per pixel\n",
              headless.desktop().screenCount(), screen.width(), screen.height(),
              headless.desktop().twipsPerPixelX());
  std::printf("The program's start-up is not connected to this backend yet: no window opens.\n");

  const int exitCode = loop.run();
  const char* ended = loop.lastRunEnd() == RunEnd::Quit    ? "the program quit"
                      : loop.lastRunEnd() == RunEnd::Limit ? "the run limit was reached"
                                                           : "no timer was running";
  std::printf("Event loop: ran %lld ms of virtual time and ended because %s.\n",
              static_cast<long long>(loop.now()), ended);
  for (const HandlerError& e : loop.errors()) {
    std::printf("Error in %s at %lld ms: %s\n", e.where.c_str(), static_cast<long long>(e.at),
                e.what.c_str());
  }
  for (const std::string& line : headless.logged()) std::printf("Logged: %s\n", line.c_str());
  return exitCode;
}
