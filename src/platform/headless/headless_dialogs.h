// The common dialogs, answered from queues that a test fills; an empty queue cancels.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace horalix::platform {

struct DialogCall {
  enum Kind { Open, Save, Color } kind = Open;
  std::string title, filter, folder, name;
};

class HeadlessDialogs final : public Dialogs {
 public:
  std::optional<std::string> openFile(const std::string& title, const std::string& filter,
                                      const std::string& folder) override;
  std::optional<std::string> saveFile(const std::string& title, const std::string& filter,
                                      const std::string& folder, const std::string& name) override;
  std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override;

  // The next open or save dialog returns this path (nullopt: the user cancels).
  void answerFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  void answerColor(std::optional<std::uint32_t> color) { colors_.push_back(color); }

  const std::vector<DialogCall>& calls() const { return calls_; }

 private:
  std::deque<std::optional<std::string>> files_;
  std::deque<std::optional<std::uint32_t>> colors_;
  std::vector<DialogCall> calls_;
};

}  // namespace horalix::platform
