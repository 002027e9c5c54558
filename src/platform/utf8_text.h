// Reading and writing UTF-8 text by characters, for everything that counts, cuts or steps
// through text. A character is a valid UTF-8 sequence; a byte that starts no valid sequence
// counts as one character by itself. Conversions to other encodings are left to the system
// (Windows, or iconv in the headless backend, which skips a sequence iconv rejects its own way:
// a lead byte with all the continuation bytes after it, giving one "?" where these functions
// would see several characters).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace horalix::platform::utf8 {

// The byte position just after the character that starts at byte `pos` (pos < s.size()).
std::size_t charEnd(std::string_view s, std::size_t pos);
// The byte position where character `n` (counted from 0) starts; s.size() when s has no more.
std::size_t charOffset(std::string_view s, std::size_t n);
// The number of characters in s.
std::size_t charCount(std::string_view s);
// The code point of the character at byte `pos`, moving pos past it; a byte that starts no
// valid sequence gives its own value.
char32_t nextCodePoint(std::string_view s, std::size_t& pos);
// The UTF-8 form of one code point.
std::string encode(char32_t code);

}  // namespace horalix::platform::utf8
