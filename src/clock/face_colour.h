// The clock's text colour as Fontselect holds it: a palette index in characters 4-5, or, from
// index 17 on, the custom colour number after the first 8 characters ("1060617\255").
#pragma once

#include <cstdint>
#include <string>

namespace horalix {

// A palette index below 17 gives its palette colour (a negative one black); 17 or more the
// custom colour. Raises Overflow when the custom number does not fit 32 bits.
std::uint32_t FaceColour(const std::string& fontselect);

}  // namespace horalix
