#include "services/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace horalix {

std::string generalNumberText(double value, int significantDigits) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.*g", significantDigits, value);
  return buffer;
}

double decimalTextValue(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

std::string wholeNumberText(double value) {
  char buffer[400];  // the largest double has 309 digits
  std::snprintf(buffer, sizeof buffer, "%.0f", value);
  return buffer;
}

namespace {

// Whether the digits d.ddd times ten to the exponent read back as the value's magnitude.
bool readsBack(const std::string& mantissa, int exponent, double value) {
  const std::string text = mantissa + "e" + std::to_string(exponent - int(mantissa.size()) + 1);
  return decimalTextValue(text) == std::fabs(value);
}

}  // namespace

std::string shortestNumberText(double value) {
  char buffer[48];
  if (!std::isfinite(value)) {
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
  }
  // The fewest significant digits that read back exactly. Next to a power of two the nearest
  // digits can fall outside the narrower half of the rounding interval below the value; the
  // digits one unit above are then tried as well.
  std::string mantissa;
  int exponent = 0;
  for (int digits = 1; digits <= 17; ++digits) {
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, std::fabs(value));
    const std::string nearest = buffer;
    const std::size_t e = nearest.find('e');
    mantissa = nearest.substr(0, 1) + nearest.substr(2, e > 2 ? e - 2 : 0);
    exponent = std::atoi(nearest.c_str() + e + 1);
    if (readsBack(mantissa, exponent, value)) break;
    std::string above = mantissa;
    int aboveExponent = exponent;
    std::size_t i = above.size();
    while (i > 0 && above[i - 1] == '9') above[--i] = '0';
    if (i == 0) {
      above = "1" + above.substr(0, above.size() - 1);
      ++aboveExponent;
    } else {
      ++above[i - 1];
    }
    if (readsBack(above, aboveExponent, value)) {
      mantissa = above;
      exponent = aboveExponent;
      break;
    }
  }
  const bool negative = std::signbit(value);
  std::string scientific = negative ? "-" : "";
  scientific += mantissa.substr(0, 1);
  if (mantissa.size() > 1) scientific += "." + mantissa.substr(1);
  std::snprintf(buffer, sizeof buffer, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
  scientific += buffer;

  const int count = static_cast<int>(mantissa.size());

  std::string fixed = negative ? "-" : "";
  if (exponent < 0) {
    fixed += "0." + std::string(-exponent - 1, '0') + mantissa;
  } else if (exponent >= count - 1) {
    fixed = wholeNumberText(value);  // a whole number is written with all its exact digits
  } else {
    fixed += mantissa.substr(0, exponent + 1) + "." + mantissa.substr(exponent + 1);
  }
  return fixed.size() <= scientific.size() ? fixed : scientific;
}

}  // namespace horalix
