#include "addin_fixture.h"

#include "addin/action_gate.h"
#include "platform/registry.h"
#include "services/program_folder.h"

namespace horalix::test {

using platform::RegRoot;

AddinFixture::AddinFixture()
    : services{registry, scriptingShell, files, shell, messageBoxes, files.programFolder()} {}

void AddinFixture::installComplete() {
  for (const char* name : addin::kAddinRequiredFiles) installFile(name);
  store("Version", "5.2");
}

void AddinFixture::recordProgram(const std::string& key, const std::string& folder,
                                 const std::string& executable) {
  registry.setRaw(RegRoot::CurrentUser, key, "pathget", platform::regSzData(folder));
  if (!executable.empty()) {
    files.seedFile(folder.ends_with('\\') ? folder + executable : folder + "\\" + executable, "");
  }
}

std::optional<std::string> AddinFixture::stored(const std::string& name) const {
  const auto value = registry.raw(RegRoot::CurrentUser, "Vantrel", name);
  if (!value) return std::nullopt;
  if (value->type == platform::regtype::Dword) {
    return std::to_string(platform::regDwordNumber(*value));
  }
  return value->data.substr(0, value->data.find('\0'));
}

void AddinFixture::store(const std::string& name, const std::string& text) {
  registry.setRaw(RegRoot::CurrentUser, "Vantrel", name, platform::regSzData(text));
}

int AddinFixture::boxesWith(const std::string& text) const {
  int count = 0;
  for (const auto& box : messageBoxes.shown()) count += box.text == text ? 1 : 0;
  return count;
}

}  // namespace horalix::test
