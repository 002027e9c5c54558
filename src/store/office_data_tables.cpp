#include "store/office_data_tables.h"

#include <string>

namespace horalix {

const std::array<ColumnSpec, kPresetColumnCount> kPresetColumns = {{
    {"ID", ColumnKind::Integer32},
    {"clockname", ColumnKind::Text},
    {"setdate", ColumnKind::Text},
    {"remark", ColumnKind::Text},
    {"timeall", ColumnKind::TimeOfDay, "Time_all"},
    {"tiemone", ColumnKind::Integer32, "Time_one"},
    {"timetwo", ColumnKind::Integer32, "Time_two"},
    {"tiemthree", ColumnKind::Integer32, "Time_three"},
    {"checkvalue", ColumnKind::Text, "checkvalue"},
    {"optvalue", ColumnKind::Text, "optvalue"},
    {"time_end", ColumnKind::Integer32, "time_end"},
    {"tellShowtime", ColumnKind::Integer16, "tellShowtime"},
    {"tellsoundname", ColumnKind::Text, "tellsoundname"},
    {"tellprocesstext", ColumnKind::Text, "tellprocesstext"},
    {"tellShowtext", ColumnKind::Text, "tellShowtext"},
    {"clockFont", ColumnKind::Text, "clockFont"},
    {"Fontselect", ColumnKind::Text, "Fontselect"},
    {"picturename", ColumnKind::Text, "picturename"},
    {"AImode", ColumnKind::Text, "AImode"},
    {"tellouttext", ColumnKind::Text, "tellouttext"},
    {"time_left", ColumnKind::Integer32, "time_left"},
    {"picture_width", ColumnKind::Integer32, "picture_width"},
    {"picture_height", ColumnKind::Integer32, "picture_height"},
}};

const std::array<ColumnSpec, kLinkColumnCount> kLinkColumns = {{
    {"ID", ColumnKind::Integer32},
    {"fliename", ColumnKind::Text},
    {"clockname", ColumnKind::Text},
    {"remark", ColumnKind::Text},
}};

const std::array<ColumnSpec, kRunRecordColumnCount> kRunRecordColumns = {{
    {"ID", ColumnKind::Identity},
    {"set_time", ColumnKind::TimeOfDay},
    {"use_time", ColumnKind::Duration},
    {"out_time", ColumnKind::Duration},
    {"pause_time", ColumnKind::Duration},
    {"filename", ColumnKind::Text},
}};

std::span<const ColumnSpec> tableColumns(std::string_view table) {
  if (table == "clocksetting") return kPresetColumns;
  if (table == "file_list") return kLinkColumns;
  if (table == "timesum") return kRunRecordColumns;
  return {};
}

namespace {

// The preset record's members in column order.
constexpr std::array<std::string PresetRecord::*, kPresetColumnCount> kPresetMembers = {{
    &PresetRecord::ID,
    &PresetRecord::clockname,
    &PresetRecord::setdate,
    &PresetRecord::remark,
    &PresetRecord::timeall,
    &PresetRecord::tiemone,
    &PresetRecord::timetwo,
    &PresetRecord::tiemthree,
    &PresetRecord::checkvalue,
    &PresetRecord::optvalue,
    &PresetRecord::time_end,
    &PresetRecord::tellShowtime,
    &PresetRecord::tellsoundname,
    &PresetRecord::tellprocesstext,
    &PresetRecord::tellShowtext,
    &PresetRecord::clockFont,
    &PresetRecord::Fontselect,
    &PresetRecord::picturename,
    &PresetRecord::AImode,
    &PresetRecord::tellouttext,
    &PresetRecord::time_left,
    &PresetRecord::picture_width,
    &PresetRecord::picture_height,
}};

}  // namespace

std::string& PresetRecord::column(std::size_t position) {
  return this->*kPresetMembers.at(position);
}

std::vector<std::string> PresetRecord::values() const {
  std::vector<std::string> values;
  for (std::string PresetRecord::*member : kPresetMembers) values.push_back(this->*member);
  return values;
}

std::vector<std::string> LinkRecord::values() const { return {ID, fliename, clockname, remark}; }

std::vector<std::string> RunRecord::values() const {
  return {set_time, use_time, out_time, pause_time, filename};
}

}  // namespace horalix
