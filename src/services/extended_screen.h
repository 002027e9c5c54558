// The extended screen, as the clocks and prompt bars see it: it is taken to lie right of the
// primary screen and to have its size, so that windows on it keep a Left of at least the
// primary screen's width and a stored Top below the screen is brought back onto it.
#pragma once

#include <cstdint>

namespace horalix {

struct RunState;
namespace platform {
struct Platform;
}

// The primary screen's width and height in twips: ScreenWidthPx and ScreenHeightPx times the
// screen's twips per pixel, read at the moment of use.
int screenWidthTwips(platform::Platform& platform, const RunState& run);
int screenHeightTwips(platform::Platform& platform, const RunState& run);

// Takes the primary screen's full size in pixels into ScreenWidthPx and ScreenHeightPx.
void captureScreenSize(platform::Platform& platform, RunState& run);

// A top more than one screen height down, reduced by whole screen heights until it is at most
// one height (2.5 heights give 0.5, exactly one height stays). A screen height of 0 or less
// leaves the top as it is.
std::int32_t reduceByScreenHeights(std::int32_t top, std::int32_t screenHeight);

}  // namespace horalix
