// The runtime error a call raises, for tests of the routines that may fail.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "services/runtime_error.h"

namespace horalix::testing {

// The code of the RuntimeError that `call` throws; a test failure when it throws none.
inline RuntimeErrorCode errorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const RuntimeError& e) {
    return e.code();
  }
  ADD_FAILURE() << "no runtime error raised";
  return RuntimeErrorCode{};
}

}  // namespace horalix::testing
