#include "services/text_runtime.h"

#include <cmath>

#include "platform/utf8_text.h"
#include "services/number_text.h"
#include "services/runtime_error.h"

namespace horalix {

namespace utf8 = platform::utf8;

namespace {

void requireNonNegative(int n) {
  if (n < 0) throw RuntimeError(RuntimeErrorCode::InvalidProcedureCall);
}

bool isDigit(int c) { return c >= '0' && c <= '9'; }

int digitValue(int c, int base) {
  int d = -1;
  if (isDigit(c)) d = c - '0';
  if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
  return d < base ? d : -1;
}

// Walks a text for the number reader; Val passes over blanks, tabs and line feeds anywhere.
class NumberCursor {
 public:
  NumberCursor(std::string_view s, bool passOverBlanks) : s_(s), passOverBlanks_(passOverBlanks) {}

  int peek() {
    while (passOverBlanks_ && pos_ < s_.size() &&
           (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n')) {
      ++pos_;
    }
    return pos_ < s_.size() ? static_cast<unsigned char>(s_[pos_]) : -1;
  }
  void take() { ++pos_; }
  bool atEnd() { return peek() < 0; }
  std::size_t position() const { return pos_; }
  void rewind(std::size_t pos) { pos_ = pos; }

 private:
  std::string_view s_;
  bool passOverBlanks_;
  std::size_t pos_ = 0;
};

// "&H1F", "&O17", "&17": hexadecimal or octal digits, a 16-bit value when they fit in 16 bits,
// else a 32-bit one (so "&HFFFF" is -1 and "&H10000" is 65536).
bool readRadixNumber(NumberCursor& in, double& out) {
  int base = 8;
  const int marker = in.peek();
  if (marker == 'h' || marker == 'H') {
    base = 16;
    in.take();
  } else if (marker == 'o' || marker == 'O') {
    in.take();
  } else if (digitValue(marker, 8) < 0) {
    return false;
  }
  std::uint64_t value = 0;
  bool anyDigit = false;
  for (int d; (d = digitValue(in.peek(), base)) >= 0; in.take()) {
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
    if (value > 0xFFFFFFFFu) throw RuntimeError(RuntimeErrorCode::Overflow);
    anyDigit = true;
  }
  if (value <= 0xFFFFu) {
    out = static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
  } else {
    out = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  }
  return anyDigit;
}

// Reads a number from the cursor; false when no digit was found (the cursor then stands
// somewhere after what it passed). Throws Overflow for a value beyond a double's range.
bool readNumber(NumberCursor& in, double& out) {
  out = 0;
  if (in.peek() == '&') {
    in.take();
    return readRadixNumber(in, out);
  }
  std::string text;
  if (in.peek() == '+' || in.peek() == '-') {
    if (in.peek() == '-') text += '-';
    in.take();
  }
  int digits = 0;
  for (; isDigit(in.peek()); in.take(), ++digits) text += static_cast<char>(in.peek());
  if (in.peek() == '.') {
    in.take();
    text += '.';
    for (; isDigit(in.peek()); in.take(), ++digits) text += static_cast<char>(in.peek());
  }
  if (digits == 0) return false;

  const int e = in.peek();
  if (e == 'e' || e == 'E' || e == 'd' || e == 'D') {
    const std::size_t beforeExponent = in.position();
    in.take();
    long exponent = 0;
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
      negative = in.peek() == '-';
      in.take();
    }
    if (isDigit(in.peek())) {
      for (; isDigit(in.peek()); in.take()) {
        if (exponent < 100000) exponent = exponent * 10 + (in.peek() - '0');
      }
      if (negative) exponent = -exponent;
      text += 'e' + std::to_string(exponent);
    } else {
      in.rewind(beforeExponent);  // "1e" is the number 1 followed by other text
    }
  }

  // Too small a magnitude reads as zero; too large a one as infinity.
  out = decimalTextValue(text);
  if (std::isinf(out)) throw RuntimeError(RuntimeErrorCode::Overflow);
  return true;
}

std::string_view trimBlanksAndTabs(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool readWholeNumber(std::string_view s, double& out) {
  NumberCursor in(trimBlanksAndTabs(s), false);
  return readNumber(in, out) && in.atEnd();
}

}  // namespace

int Len(std::string_view s) { return static_cast<int>(utf8::charCount(s)); }

std::string Left(std::string_view s, int n) {
  requireNonNegative(n);
  return std::string(s.substr(0, utf8::charOffset(s, static_cast<std::size_t>(n))));
}

std::string Right(std::string_view s, int n) {
  requireNonNegative(n);
  const std::size_t length = utf8::charCount(s);
  const auto keep = static_cast<std::size_t>(n);
  if (keep >= length) return std::string(s);
  return std::string(s.substr(utf8::charOffset(s, length - keep)));
}

std::string Mid(std::string_view s, int start) {
  if (start < 1) throw RuntimeError(RuntimeErrorCode::InvalidProcedureCall);
  return std::string(s.substr(utf8::charOffset(s, static_cast<std::size_t>(start - 1))));
}

std::string Mid(std::string_view s, int start, int length) {
  requireNonNegative(length);
  const std::string rest = Mid(s, start);
  return rest.substr(0, utf8::charOffset(rest, static_cast<std::size_t>(length)));
}

int InStr(std::string_view s, std::string_view find) { return InStr(1, s, find); }

int InStr(int start, std::string_view s, std::string_view find) {
  if (start < 1) throw RuntimeError(RuntimeErrorCode::InvalidProcedureCall);
  if (find.empty()) return start <= Len(s) ? start : 0;
  const std::size_t from = utf8::charOffset(s, static_cast<std::size_t>(start - 1));
  const std::size_t at = s.find(find, from);
  if (at == std::string_view::npos) return 0;
  return static_cast<int>(utf8::charCount(s.substr(0, at))) + 1;
}

std::vector<std::string> Split(std::string_view s, std::string_view delimiter) {
  std::vector<std::string> parts;
  if (s.empty()) return parts;
  if (delimiter.empty()) {
    parts.emplace_back(s);
    return parts;
  }
  std::size_t from = 0;
  for (std::size_t at; (at = s.find(delimiter, from)) != std::string_view::npos;
       from = at + delimiter.size()) {
    parts.emplace_back(s.substr(from, at - from));
  }
  parts.emplace_back(s.substr(from));
  return parts;
}

std::string LTrim(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(s.substr(first));
}

std::string RTrim(std::string_view s) {
  const auto last = s.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(s.substr(0, last + 1));
}

std::string Trim(std::string_view s) { return LTrim(RTrim(s)); }

std::string UCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

std::string LCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

double Val(std::string_view s) {
  NumberCursor in(s, true);
  double value = 0;
  return readNumber(in, value) ? value : 0;
}

bool IsNumeric(std::string_view s) {
  try {
    double value = 0;
    return readWholeNumber(s, value);
  } catch (const RuntimeError&) {
    return false;
  }
}

double CDbl(std::string_view s) {
  double value = 0;
  if (!readWholeNumber(s, value)) throw RuntimeError(RuntimeErrorCode::TypeMismatch);
  return value;
}

namespace {

// Rounds halves to the even number (the default rounding mode) and checks the target range;
// a value that is not a number fails too.
double roundInto(double v, double lowest, double highest) {
  const double r = std::nearbyint(v);
  if (!(r >= lowest && r <= highest)) throw RuntimeError(RuntimeErrorCode::Overflow);
  return r;
}

}  // namespace

std::int16_t CInt(double v) { return static_cast<std::int16_t>(roundInto(v, -32768.0, 32767.0)); }

std::int16_t CInt(std::string_view s) { return CInt(CDbl(s)); }

std::int32_t CLng(double v) {
  return static_cast<std::int32_t>(roundInto(v, -2147483648.0, 2147483647.0));
}

std::int32_t CLng(std::string_view s) { return CLng(CDbl(s)); }

double Int(double v) { return std::floor(v); }

double Fix(double v) { return std::trunc(v); }

namespace {

std::string numberText(double v, int significantDigits) {
  std::string text = generalNumberText(v, significantDigits);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  if (text == "-0") text = "0";
  return text;
}

}  // namespace

std::string CStr(double v) { return numberText(v, 15); }

std::string CStr(float v) { return numberText(v, 7); }

}  // namespace horalix
