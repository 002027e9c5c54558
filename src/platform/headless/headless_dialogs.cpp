#include "platform/headless/headless_dialogs.h"

#include "platform/headless/nested_wait.h"

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
  calls_.push_back({DialogCall::Open, title, filter, folder, "", "", 0, 0});
  return next(files_);
}

std::optional<std::string> HeadlessDialogs::saveFile(const std::string& title,
                                                     const std::string& filter,
                                                     const std::string& folder,
                                                     const std::string& name) {
  calls_.push_back({DialogCall::Save, title, filter, folder, name, "", 0, 0});
  return next(files_);
}

std::optional<std::string> HeadlessDialogs::fileDialog(const FileDialogRequest& request) {
  TimedAnswer reply{std::nullopt, 1000};
  if (!timedFiles_.empty()) {
    reply = std::move(timedFiles_.front());
    timedFiles_.pop_front();
  }
  const std::size_t slot = calls_.size();
  calls_.push_back({request.save ? DialogCall::Save : DialogCall::Open, request.title,
                    request.filter, request.initialFolder, request.initialFile,
                    request.defaultExtension, loop_.now(), 0});
  stayOpenFor(loop_, reply.afterMs, "file dialog \"" + request.title + "\"");
  calls_[slot].closedAt = loop_.now();
  return reply.path;
}

std::optional<std::uint32_t> HeadlessDialogs::chooseColor(std::uint32_t initial) {
  calls_.push_back({DialogCall::Color, "", "", "", std::to_string(initial), "", 0, 0});
  return next(colors_);
}

}  // namespace horalix::platform
