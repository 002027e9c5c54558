// Whether another instance of the program runs: a switch that a test sets.
#pragma once

#include "platform/single_instance.h"

namespace horalix::platform {

class HeadlessSingleInstance final : public SingleInstance {
 public:
  bool claim() override {
    ++claims_;
    return !otherRunning_;
  }
  void setOtherInstanceRunning(bool running) { otherRunning_ = running; }
  int claims() const { return claims_; }

 private:
  bool otherRunning_ = false;
  int claims_ = 0;
};

}  // namespace horalix::platform
