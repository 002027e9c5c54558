#include "platform/headless/headless_shell.h"

#include "platform/forms.h"

namespace horalix::platform {

namespace {

bool isAddress(const std::string& target) {
  return target.find("://") != std::string::npos || target.rfind("mailto:", 0) == 0;
}

template <typename T>
bool takeFront(std::deque<T>& queue, T& out) {
  if (queue.empty()) return false;
  out = queue.front();
  queue.pop_front();
  return true;
}

}  // namespace

int HeadlessShell::open(const std::string& target, const std::string& parameters,
                        const std::string& folder) {
  int result = 0;
  if (!takeFront(openResults_, result)) {
    const bool found =
        isAddress(target) || files_.normalFileExists(target) || files_.folderExists(target);
    result = found ? Opened : FileNotFound;
  }
  opened_.push_back({target, parameters, folder, result});
  return result;
}

bool HeadlessShell::startProgram(const std::string& commandLine, Window window) {
  bool started = true;
  takeFront(startResults_, started);
  started_.push_back({commandLine, window, started, false, 0, std::nullopt});
  return started;
}

std::optional<std::uint32_t> HeadlessShell::runAndWait(const std::string& commandLine,
                                                       Window window, int timeoutMs) {
  std::optional<std::uint32_t> code = 0;
  takeFront(exitCodes_, code);
  started_.push_back({commandLine, window, code.has_value(), true, timeoutMs, code});
  return code;
}

bool HeadlessShell::htmlHelp(const std::string& chmPath, const Form& owner) {
  help_.push_back(chmPath);
  helpOwners_.push_back(owner.name());
  // A page of the file is named after "::".
  return files_.normalFileExists(chmPath.substr(0, chmPath.find("::")));
}

}  // namespace horalix::platform
