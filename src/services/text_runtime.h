// The runtime's text and number conversions, as the program's code relies on them.
// Text is UTF-8; wherever a position or a length counts characters, it counts Unicode
// characters ("手动计时" is 4 long), and a byte that is not valid UTF-8 counts as one character.
// Numbers are written and read with "." as the decimal point whatever the user's locale.
#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace horalix {

// Length in characters.
int Len(std::string_view s);
// The first / last n characters (all of s when it is shorter). A negative n raises
// InvalidProcedureCall.
std::string Left(std::string_view s, int n);
std::string Right(std::string_view s, int n);
// The characters from position `start` (1-based) to the end, or at most `length` of them.
// A start below 1 or a negative length raises InvalidProcedureCall; a start beyond the end
// gives "".
std::string Mid(std::string_view s, int start);
std::string Mid(std::string_view s, int start, int length);
// The 1-based character position of `find` in s at or after `start`; 0 when it is not there.
// An empty `find` is found at `start` (0 when start lies beyond the text).
int InStr(std::string_view s, std::string_view find);
int InStr(int start, std::string_view s, std::string_view find);
// The parts of s between the delimiters; an empty text gives no parts at all.
std::vector<std::string> Split(std::string_view s, std::string_view delimiter);
// Blanks (and only blanks) removed from the start, the end or both.
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);
std::string Trim(std::string_view s);
// Latin letters changed; every other character kept.
std::string UCase(std::string_view s);
std::string LCase(std::string_view s);

// The number at the start of a text: blanks, tabs and line feeds are passed over wherever they
// stand; then an optional sign, digits, a "." fraction and an exponent ("e" or "d"), or "&H"
// hexadecimal / "&O" octal digits (read as a 16-bit value when they fit 16 bits, else as a
// 32-bit one). Reading stops at the first character that does not belong: "12abc" gives 12,
// "abc" gives 0. A number too large for a double raises Overflow.
double Val(std::string_view s);
// Whether the whole text (blanks around it allowed) is one number in the form Val reads.
bool IsNumeric(std::string_view s);
// A text that is a number, as a double; any other text, also "", raises TypeMismatch.
double CDbl(std::string_view s);

// To a 16-bit / 32-bit integer, rounding halves to the even number (2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2); a result outside the type's range raises Overflow. A text is read as by CDbl.
std::int16_t CInt(double v);
std::int16_t CInt(std::string_view s);
std::int32_t CLng(double v);
std::int32_t CLng(std::string_view s);
// The largest whole number not above v (Int(-1.5) = -2), and v without its fraction
// (Fix(-1.5) = -1).
double Int(double v);
double Fix(double v);

// A number written as the runtime writes it into text: no leading blank, "." as the decimal
// point, up to 15 significant digits for a double (7 for a single), "0.5" for one half,
// exponent form beyond that range ("1E+15", "1E-05").
std::string CStr(double v);
std::string CStr(float v);
template <std::integral T>
requires(!std::same_as<T, bool>) std::string CStr(T v) { return std::to_string(v); }

}  // namespace horalix
