// The settings record: the 20 values that shape a timing run, in their stored order.
#pragma once

#include <cstdint>
#include <string>

namespace horalix {

struct SettingsBlock {
  double Time_all = 0;  // the set duration, as a time value (fraction of a day)
  std::int32_t Time_one = 0;
  std::int32_t Time_two = 0;
  std::int32_t Time_three = 0;
  std::int32_t time_end = 0;
  std::string checkvalue;
  std::string optvalue;
  std::string secondtimer;
  std::int16_t tellShowtime = 0;
  std::string tellsoundname;
  std::string tellprocesstext;
  std::string tellShowtext;
  std::string clockFont;
  std::string Fontselect;
  std::string picturename;
  std::string AImode;
  std::string tellouttext;
  std::int32_t time_left = 0;
  std::int32_t picture_width = 0;
  std::int32_t picture_height = 0;

  bool operator==(const SettingsBlock&) const = default;
};

}  // namespace horalix
