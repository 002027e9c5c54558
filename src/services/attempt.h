// Routines whose failing statements are passed over run each statement through attempt: an error
// is logged and the next statement runs.
#pragma once

#include <exception>
#include <string>

#include "services/context.h"

namespace horalix {

template <class Statement>
void attempt(Context& app, const char* where, Statement&& statement) {
  try {
    statement();
  } catch (const std::exception& e) {
    if (app.platform.log) app.platform.log(std::string(where) + ": " + e.what());
  }
}

}  // namespace horalix
