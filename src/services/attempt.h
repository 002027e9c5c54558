// Routines whose failing statements are passed over run each statement through attempt: an error
// is logged and the next statement runs.
#pragma once

#include <exception>
#include <string>

#include "platform/log.h"

namespace horalix {

template <class Statement>
void attempt(const platform::Log& log, const char* where, Statement&& statement) {
  try {
    statement();
  } catch (const std::exception& e) {
    if (log) log(std::string(where) + ": " + e.what());
  }
}

}  // namespace horalix
