#include "platform/utf8_text.h"

namespace horalix::platform::utf8 {

std::size_t charEnd(std::string_view s, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(s[pos]);
  std::size_t length = 1;
  // The range the second byte must lie in, which rules out overlong forms and surrogates.
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  }
  if (length == 1 || pos + length > s.size()) return pos + 1;
  const auto second = static_cast<unsigned char>(s[pos + 1]);
  if (second < low || second > high) return pos + 1;
  for (std::size_t i = 2; i < length; ++i) {
    if ((static_cast<unsigned char>(s[pos + i]) & 0xC0) != 0x80) return pos + 1;
  }
  return pos + length;
}

std::size_t charOffset(std::string_view s, std::size_t n) {
  std::size_t pos = 0;
  for (; n > 0 && pos < s.size(); --n) pos = charEnd(s, pos);
  return pos;
}

std::size_t charCount(std::string_view s) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < s.size(); pos = charEnd(s, pos)) ++count;
  return count;
}

char32_t nextCodePoint(std::string_view s, std::size_t& pos) {
  const std::size_t end = charEnd(s, pos);
  const auto lead = static_cast<unsigned char>(s[pos]);
  const std::size_t length = end - pos;
  char32_t code = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = pos + 1; i < end; ++i) {
    code = (code << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
  }
  pos = end;
  return code;
}

std::string encode(char32_t code) {
  std::string out;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
  return out;
}

}  // namespace horalix::platform::utf8
