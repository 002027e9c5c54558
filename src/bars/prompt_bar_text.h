// The time part of a prompt bar's caption.
#pragma once

#include <cstdint>
#include <string>

namespace horalix {

// The time of day that shows a count of milliseconds: hours, minutes and seconds of
// SplitMilliseconds. A count of 24 hours or more, or a negative one, has none and raises.
double barTimeOf(std::int32_t ms);

// The caption's time text for `ms` milliseconds: "1时05分09秒" from an hour on, "5分09秒" from a
// minute on, else the whole seconds and "秒" ("9秒"). Hours, minutes and seconds come from
// `barTime`, the whole seconds from `ms` rounded down.
std::string barTimeText(std::int64_t ms, double barTime);

}  // namespace horalix
