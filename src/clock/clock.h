// The clock subsystem's public interface: the clock window and its mirror on the second screen,
// showing, hiding and placing the two, and what the subsystem works with. Other folders include
// this header, never the files behind it.
#pragma once

#include "clock/clock_needs.h"
#include "clock/clock_placement.h"
#include "clock/floating_clock.h"
#include "clock/mirror_clock.h"
