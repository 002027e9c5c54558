// The runtime errors that the program's conversions and helpers raise. A routine that may fail
// throws RuntimeError; the callers that are allowed to fail catch it at that point and go on.
#pragma once

#include <stdexcept>
#include <string>

namespace horalix {

// The runtime's error numbers, as the program's error handlers know them.
enum class RuntimeErrorCode {
  InvalidProcedureCall = 5,
  Overflow = 6,
  SubscriptOutOfRange = 9,
  DivisionByZero = 11,
  TypeMismatch = 13,
};

class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(RuntimeErrorCode code);
  RuntimeErrorCode code() const { return code_; }
  int number() const { return static_cast<int>(code_); }

 private:
  RuntimeErrorCode code_;
};

}  // namespace horalix
