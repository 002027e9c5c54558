#include "services/runtime_error.h"

namespace horalix {

namespace {

const char* describe(RuntimeErrorCode code) {
  switch (code) {
    case RuntimeErrorCode::InvalidProcedureCall:
      return "Invalid procedure call or argument";
    case RuntimeErrorCode::Overflow:
      return "Overflow";
    case RuntimeErrorCode::SubscriptOutOfRange:
      return "Subscript out of range";
    case RuntimeErrorCode::DivisionByZero:
      return "Division by zero";
    case RuntimeErrorCode::TypeMismatch:
      return "Type mismatch";
  }
  return "Runtime error";
}

}  // namespace

RuntimeError::RuntimeError(RuntimeErrorCode code)
    : std::runtime_error(std::string(describe(code)) + " (" +
                         std::to_string(static_cast<int>(code)) + ")"),
      code_(code) {}

}  // namespace horalix
