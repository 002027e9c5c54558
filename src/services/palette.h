// The scales by which the settings store font sizes and colours as small indices.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace horalix {

// Font size of a size index: (index + 2) x 5 up to index 18 (10 to 100 in steps of 5), then
// 100 + (index - 18) x 30 (130, 160, ...). The arithmetic is 16-bit: an index or a size outside
// -32,768 to 32,767 raises Overflow.
std::int16_t FontSizeByIndex(int index);

// The colour (0x00BBGGRR) of a palette index 0 to 16; any other index gives black (0).
std::uint32_t ColorByIndex(int index);

// A colour stored as decimal text: its leading number taken as a 32-bit colour value, so that a
// negative number names a system colour (-2147483635 is 0x8000000D, the highlight colour).
// Numbers beyond 32 bits are held at the nearer end.
std::uint32_t colourFromText(std::string_view text);

// A colour as the decimal text it is stored as: the 32-bit colour value read as a signed number,
// so that a system colour is negative (0x8000000D is "-2147483635"), as earlier versions wrote
// it and as colourFromText reads it back.
std::string colourText(std::uint32_t colour);

}  // namespace horalix
