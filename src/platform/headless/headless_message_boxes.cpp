#include "platform/headless/headless_message_boxes.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "platform/headless/nested_wait.h"

namespace horalix::platform {

namespace {

// The buttons of each button set (the low four bits of the flags), the default one first.
std::vector<int> buttonsOf(unsigned flags) {
  constexpr int Abort = 3, Retry = 4, Ignore = 5;
  switch (flags & 0xF) {
    case 0:
      return {answer::Ok};
    case 1:
      return {answer::Ok, answer::Cancel};
    case 2:
      return {Abort, Retry, Ignore};
    case 3:
      return {answer::Yes, answer::No, answer::Cancel};
    case 4:
      return {answer::Yes, answer::No};
    case 5:
      return {Retry, answer::Cancel};
    default:
      throw std::invalid_argument("unknown message box button set");
  }
}

}  // namespace

int HeadlessMessageBoxes::show(const std::string& text, const std::string& caption,
                               unsigned flags) {
  return run(text, caption, flags, 0);
}

int HeadlessMessageBoxes::showTimed(const std::string& text, const std::string& caption,
                                    unsigned flags, int timeoutMs) {
  return run(text, caption, flags, std::max(timeoutMs, 0));
}

int HeadlessMessageBoxes::run(const std::string& text, const std::string& caption, unsigned flags,
                              int timeoutMs) {
  const std::vector<int> buttons = buttonsOf(flags);
  MessageBoxAnswer reply{buttons.front(), 0};
  if (!answers_.empty()) {
    reply = answers_.front();
    answers_.pop_front();
    if (std::find(buttons.begin(), buttons.end(), reply.button) == buttons.end()) {
      throw std::logic_error("the test answered box \"" + caption + "\" with a button it lacks");
    }
  } else if (timeoutMs > 0) {
    reply = {answer::TimedOut, timeoutMs};
  }
  if (timeoutMs > 0 && reply.afterMs >= timeoutMs) reply = {answer::TimedOut, timeoutMs};

  const std::size_t slot = shown_.size();
  shown_.push_back({text, caption, flags, timeoutMs, 0, loop_.now(), 0});
  ++open_;
  struct Close {
    int& open;
    ~Close() { --open; }
  } close{open_};

  stayOpenFor(loop_, reply.afterMs, "message box \"" + caption + "\"");

  shown_[slot].answer = reply.button;
  shown_[slot].closedAt = loop_.now();
  return reply.button;
}

}  // namespace horalix::platform
