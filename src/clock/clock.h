// The clock subsystem's public interface: the clock window and its mirror on the second screen,
// and the shape of a clock window. Other folders include this header, never the files behind it.
#pragma once

#include "clock/time_glass.h"
#include "clock/time_glass_two.h"
#include "clock/window_shape.h"
