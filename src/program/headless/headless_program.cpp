// The headless program: starts Horalix on the simulated desktop, with a temporary program folder
// that holds the files the start-up check requires, lets a minute of virtual time pass and says
// what a user would have seen. Nothing is drawn: this backend keeps the windows as a model.
#include <cstdio>
#include <string>

#include "app/program_start.h"
#include "platform/headless/headless_platform.h"

namespace {

void printValue(horalix::platform::HeadlessRegistry& registry, const char* name) {
  using namespace horalix::platform;
  const auto value = registry.raw(RegRoot::CurrentUser, "Vantrel", name);
  if (!value) {
    std::printf("  HKCU\\Vantrel\\%s: (missing)\n", name);
  } else if (value->type == regtype::Dword) {
    std::printf("  HKCU\\Vantrel\\%s: %d\n", name, regDwordNumber(*value));
  } else {
    std::printf("  HKCU\\Vantrel\\%s: %s\n", name, value->data.c_str());
  }
}

}  // namespace

int main() {
  using namespace horalix::platform;
  HeadlessPlatform headless;
  HeadlessEventLoop& loop = headless.loop();
  HeadlessFileSystem& files = headless.files();

  std::printf("Horalix headless: a simulated desktop with virtual time.\n");
  std::printf("Program folder: %s (files in %s, removed at exit)\n", files.programFolder().c_str(),
              files.realPath(files.programFolder()).c_str());
  for (const char* name :
       {"OfficeData.db", "help.chm", "TimeData.db", "Horalix.exe", "Horalink32.dll"}) {
    files.seedFile(files.programFolder() + "\\" + name, "");
  }

  horalix::Program program(headless.platform());
  if (program.ended()) {
    std::printf("The program ended during start-up.\n");
  } else {
    loop.setRunLimit(60'000);
    loop.run();
    std::printf("After %lld ms of virtual time:\n", static_cast<long long>(loop.now()));
    for (Form* form : headless.forms().zOrder()) {
      std::printf("  window %s at (%d, %d) twips, %d x %d\n", form->name().c_str(), form->Left(),
                  form->Top(), form->Width(), form->Height());
    }
    std::printf("  tray icon %s, tip \"%s\"\n", headless.tray().iconShown() ? "shown" : "absent",
                headless.tray().tip().c_str());
  }
  printValue(headless.registry(), "pathget");
  printValue(headless.registry(), "Version");
  for (const HandlerError& e : loop.errors()) {
    std::printf("Error in %s at %lld ms: %s\n", e.where.c_str(), static_cast<long long>(e.at),
                e.what.c_str());
  }
  for (const std::string& line : headless.logged()) std::printf("Logged: %s\n", line.c_str());
  return 0;
}
