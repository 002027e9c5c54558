#include "platform/headless/headless_dialogs.h"

namespace horalix::platform {

namespace {

template <typename T>
std::optional<T> next(std::deque<std::optional<T>>& queue) {
  if (queue.empty()) return std::nullopt;
  std::optional<T> answer = std::move(queue.front());
  queue.pop_front();
  return answer;
}

}  // namespace

std::optional<std::string> HeadlessDialogs::openFile(const std::string& title,
                                                     const std::string& filter,
                                                     const std::string& folder) {
  calls_.push_back({DialogCall::Open, title, filter, folder, ""});
  return next(files_);
}

std::optional<std::string> HeadlessDialogs::saveFile(const std::string& title,
                                                     const std::string& filter,
                                                     const std::string& folder,
                                                     const std::string& name) {
  calls_.push_back({DialogCall::Save, title, filter, folder, name});
  return next(files_);
}

std::optional<std::uint32_t> HeadlessDialogs::chooseColor(std::uint32_t initial) {
  calls_.push_back({DialogCall::Color, "", "", "", std::to_string(initial)});
  return next(colors_);
}

}  // namespace horalix::platform
