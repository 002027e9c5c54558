#include "services/format_picture.h"

#include <cmath>
#include <stdexcept>
#include <vector>

#include "services/number_text.h"
#include "services/runtime_error.h"
#include "services/text_runtime.h"
#include "services/time_value.h"

namespace horalix {

namespace {

bool isDigitPicture(std::string_view picture) {
  return !picture.empty() && picture.find_first_not_of('0') == std::string_view::npos;
}

std::string formatDigits(double value, std::size_t minimumDigits) {
  const double rounded = std::round(value);
  std::string digits = wholeNumberText(std::fabs(rounded));
  if (digits.size() < minimumDigits) digits.insert(0, minimumDigits - digits.size(), '0');
  return rounded < 0 ? "-" + digits : digits;
}

enum class Field { Literal, Year4, Year2, Month, Day, Hour, Minute, Second };

struct Token {
  Field field = Field::Literal;
  bool twoDigits = false;
  std::string literal;
};

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::vector<Token> tokenize(std::string_view picture) {
  std::vector<Token> tokens;
  for (std::size_t i = 0; i < picture.size();) {
    const char c = lower(picture[i]);
    std::size_t run = 1;
    while (i + run < picture.size() && lower(picture[i + run]) == c) ++run;
    Token t;
    if (c == 'y' && (run == 4 || run == 2)) {
      t.field = run == 4 ? Field::Year4 : Field::Year2;
    } else if ((c == 'm' || c == 'd' || c == 'h' || c == 'n' || c == 's') && run <= 2) {
      t.field = c == 'm'   ? Field::Month
                : c == 'd' ? Field::Day
                : c == 'h' ? Field::Hour
                : c == 'n' ? Field::Minute
                           : Field::Second;
      t.twoDigits = run == 2;
    } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '#') {
      throw std::invalid_argument("unsupported format picture: " + std::string(picture));
    } else {
      t.literal.assign(picture.substr(i, run));
    }
    tokens.push_back(t);
    i += run;
  }
  // "m" right after an hour or right before a second stands for minutes.
  const Field none = Field::Literal;
  Field previous = none;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i].field == none) continue;
    Field following = none;
    for (std::size_t j = i + 1; j < tokens.size() && following == none; ++j) {
      following = tokens[j].field;
    }
    if (tokens[i].field == Field::Month &&
        (previous == Field::Hour || following == Field::Second)) {
      tokens[i].field = Field::Minute;
    }
    previous = tokens[i].field;
  }
  return tokens;
}

std::string twoOrOne(int v, bool twoDigits) {
  std::string text = std::to_string(v);
  if (twoDigits && text.size() < 2) text.insert(0, 1, '0');
  return text;
}

std::string formatDateTime(double value, std::string_view picture) {
  const std::vector<Token> tokens = tokenize(picture);
  const DateTimeParts p = splitDateTime(value);
  std::string out;
  for (const Token& t : tokens) {
    switch (t.field) {
      case Field::Literal:
        out += t.literal;
        break;
      case Field::Year4:
        out += std::to_string(p.year);
        break;
      case Field::Year2:
        out += twoOrOne(p.year % 100, true);
        break;
      case Field::Month:
        out += twoOrOne(p.month, t.twoDigits);
        break;
      case Field::Day:
        out += twoOrOne(p.day, t.twoDigits);
        break;
      case Field::Hour:
        out += twoOrOne(p.hour, t.twoDigits);
        break;
      case Field::Minute:
        out += twoOrOne(p.minute, t.twoDigits);
        break;
      case Field::Second:
        out += twoOrOne(p.second, t.twoDigits);
        break;
    }
  }
  return out;
}

}  // namespace

std::string Format(double value, std::string_view picture) {
  if (isDigitPicture(picture)) return formatDigits(value, picture.size());
  return formatDateTime(value, picture);
}

std::string Format(std::string_view text, std::string_view picture) {
  if (IsNumeric(text)) return Format(CDbl(text), picture);
  try {
    return Format(CDate(text), picture);
  } catch (const RuntimeError& e) {
    if (e.code() != RuntimeErrorCode::TypeMismatch) throw;
    return std::string(text);
  }
}

}  // namespace horalix
