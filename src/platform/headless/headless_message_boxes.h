// Message boxes as a record. Answers come from a queue that the test fills; a box stays open
// for the virtual time its answer says, and timers keep running meanwhile.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/headless/headless_event_loop.h"
#include "platform/message_boxes.h"

namespace horalix::platform {

struct MessageBoxRecord {
  std::string text, caption;
  unsigned flags = 0;
  int timeoutMs = 0;  // 0: waits for an answer
  int answer = 0;     // 0 while the box is open
  std::int64_t openedAt = 0, closedAt = 0;
};

// The button the user presses and after how many virtual milliseconds.
struct MessageBoxAnswer {
  int button = answer::Ok;
  std::int64_t afterMs = 0;
};

class HeadlessMessageBoxes final : public MessageBoxes {
 public:
  explicit HeadlessMessageBoxes(HeadlessEventLoop& loop) : loop_(loop) {}

  int show(const std::string& text, const std::string& caption, unsigned flags) override;
  int showTimed(const std::string& text, const std::string& caption, unsigned flags,
                int timeoutMs) override;

  // Queues the answer to the next box. Without one, a box is answered at once with its first
  // button (OK, or Yes), and a timed box waits its time out.
  void answer(int button, std::int64_t afterMs = 0) { answers_.push_back({button, afterMs}); }
  std::size_t pendingAnswers() const { return answers_.size(); }

  const std::vector<MessageBoxRecord>& shown() const { return shown_; }
  // Boxes open now (a box opened by a timer while another is open stacks on it).
  int openCount() const { return open_; }

 private:
  int run(const std::string& text, const std::string& caption, unsigned flags, int timeoutMs);

  HeadlessEventLoop& loop_;
  std::deque<MessageBoxAnswer> answers_;
  std::vector<MessageBoxRecord> shown_;
  int open_ = 0;
};

}  // namespace horalix::platform
