// The clock windows' outline and see-through background: a rounded rectangle over the window's
// size with the corner radius chosen in the settings, and a colour key close to the text colour
// so that only the text shows.
#pragma once

#include <cstdint>
#include <string>

namespace horalix {

struct SettingsBlock;
namespace platform {
class Control;
class Form;
struct Platform;
}  // namespace platform

// Corner radius in pixels of an entry of the settings' corner list: 0 to 30 in steps of 5 for
// the indices 0 to 6, then 40, 60, ... for the indices from 7 on; rounded to 16 bits.
std::int16_t cornerRadius(double cornerIndex);

// The corner index kept in characters 6-7 of Fontselect (not a number: 0).
double CornerIndex(const std::string& fontselect);

// The colour keyed out behind a text colour: a fixed near colour for black, red, green, yellow,
// navy blue, magenta and white, the text colour + 10 for every other colour. Raises Overflow
// when the colour number + 10 does not fit a 32-bit signed number.
std::uint32_t KeyColour(std::uint32_t textColour);

// Cuts the window to a rounded rectangle over its current size: from pixel (1, 1) to
// (w - 1, h - 1) with the corner radius of the settings. A failure leaves the previous outline.
void creatrange(platform::Platform& platform, const SettingsBlock& settings,
                platform::Form& window);

// Paints the window and its text surface in the key colour of the text colour nowcolor and
// keys that colour out. Errors go to the caller.
void changcolor(platform::Form& window, platform::Control& Picture2, std::uint32_t nowcolor);

}  // namespace horalix
