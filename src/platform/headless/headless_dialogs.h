// The common dialogs, answered from queues that a test fills; an empty queue cancels.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/headless/headless_event_loop.h"

namespace horalix::platform {

struct DialogCall {
  enum Kind { Open, Save, Color } kind = Open;
  std::string title, filter, folder, name;
  std::string defaultExtension;
  // Virtual time when the dialog opened and closed (the file dialog of fileDialog only).
  std::int64_t openedAt = 0, closedAt = 0;
};

class HeadlessDialogs final : public Dialogs {
 public:
  explicit HeadlessDialogs(HeadlessEventLoop& loop) : loop_(loop) {}

  std::optional<std::string> openFile(const std::string& title, const std::string& filter,
                                      const std::string& folder) override;
  std::optional<std::string> saveFile(const std::string& title, const std::string& filter,
                                      const std::string& folder, const std::string& name) override;
  // Stays open for the virtual time of its answer (timers run meanwhile); without an answer
  // the user cancels after a second.
  std::optional<std::string> fileDialog(const FileDialogRequest& request) override;
  std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override;

  // The next file dialog of fileDialog closes after `afterMs` with this path (nullopt: cancelled
  // or failed).
  void answerFileAfter(std::optional<std::string> path, std::int64_t afterMs) {
    timedFiles_.push_back({std::move(path), afterMs});
  }
  // The next open or save dialog returns this path (nullopt: the user cancels).
  void answerFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  void answerColor(std::optional<std::uint32_t> color) { colors_.push_back(color); }

  const std::vector<DialogCall>& calls() const { return calls_; }

 private:
  struct TimedAnswer {
    std::optional<std::string> path;
    std::int64_t afterMs = 0;
  };
  HeadlessEventLoop& loop_;
  std::deque<TimedAnswer> timedFiles_;
  std::deque<std::optional<std::string>> files_;
  std::deque<std::optional<std::uint32_t>> colors_;
  std::vector<DialogCall> calls_;
};

}  // namespace horalix::platform
