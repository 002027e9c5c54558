// The add-in over the simulated desktop: the program folder holds the library, the add-in
// asks a fake host, and the test reads the program's key as the clock program would.
#pragma once

#include <optional>
#include <string>

#include "addin/addin_services.h"
#include "support/headless_fixture.h"

namespace horalix::test {

// A host application whose answers the test sets; an unset answer is a refused call.
class FakeHost : public addin::HostApplication {
 public:
  std::optional<std::string> installPath = "C:\\Program Files\\Microsoft Office\\root\\Office16";
  std::optional<int> showWindows = 0;
  std::optional<std::string> presentation = "talk.pptx";

  std::optional<std::string> path() override { return installPath; }
  std::optional<int> slideShowWindowCount() override { return showWindows; }
  std::optional<std::string> activePresentationName() override { return presentation; }
};

// A WPS Office host of the given build folder ("11.1.0.11664").
inline std::string wpsPath(const std::string& build) {
  return "C:\\Users\\me\\AppData\\Local\\Kingsoft\\WPS Office\\" + build + "\\office6";
}

class AddinFixture : public HeadlessFixture {
 public:
  AddinFixture();

  // Every file the action gate looks for, and this release's version stored.
  void installComplete();
  // A program's folder recorded under its key, with or without its executable in it.
  void recordProgram(const std::string& key, const std::string& folder,
                     const std::string& executable = "");

  // A value of the program's key as stored (nullopt when missing): text without its NUL,
  // a number as its digits.
  std::optional<std::string> stored(const std::string& name) const;
  void store(const std::string& name, const std::string& text);
  // How many message boxes showed this text.
  int boxesWith(const std::string& text) const;

  addin::AddinServices services;
  FakeHost host;
};

// A fixture of its own for one case of a table.
template <typename Fixture>
class Fresh : public Fixture {
  void TestBody() override {}
};

}  // namespace horalix::test
