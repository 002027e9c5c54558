#include "support/headless_fixture.h"
#include "services/program_folder.h"

namespace horalix::test {

void HeadlessFixture::TearDown() {
  for (const platform::HandlerError& e : loop.errors()) {
    ADD_FAILURE() << "a handler threw at " << e.at << " ms in " << e.where << ": " << e.what;
  }
}

std::string HeadlessFixture::programPath(const std::string& relative) const {
  const std::string folder = files.programFolder();
  return folder.ends_with('\\') ? folder + relative : folder + "\\" + relative;
}

void HeadlessFixture::installFile(const std::string& relative, const std::string& content) {
  files.seedFile(programPath(relative), content);
}

std::vector<platform::HandlerError> HeadlessFixture::takeErrors() {
  std::vector<platform::HandlerError> taken = loop.errors();
  loop.clearErrors();
  return taken;
}

}  // namespace horalix::test
