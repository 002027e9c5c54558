#include "presets/office_data_tables.h"

namespace horalix::presets {

const std::array<ColumnSpec, kPresetColumnCount> kPresetColumns = {{
    {"ID", ColumnKind::Integer32},
    {"clockname", ColumnKind::Text},
    {"setdate", ColumnKind::Text},
    {"remark", ColumnKind::Text},
    {"timeall", ColumnKind::TimeOfDay},
    {"tiemone", ColumnKind::Integer32},
    {"timetwo", ColumnKind::Integer32},
    {"tiemthree", ColumnKind::Integer32},
    {"checkvalue", ColumnKind::Text},
    {"optvalue", ColumnKind::Text},
    {"time_end", ColumnKind::Integer32},
    {"tellShowtime", ColumnKind::Integer16},
    {"tellsoundname", ColumnKind::Text},
    {"tellprocesstext", ColumnKind::Text},
    {"tellShowtext", ColumnKind::Text},
    {"clockFont", ColumnKind::Text},
    {"Fontselect", ColumnKind::Text},
    {"picturename", ColumnKind::Text},
    {"AImode", ColumnKind::Text},
    {"tellouttext", ColumnKind::Text},
    {"time_left", ColumnKind::Integer32},
    {"picture_width", ColumnKind::Integer32},
    {"picture_height", ColumnKind::Integer32},
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

std::vector<std::string> PresetRecord::values() const {
  return {ID,        clockname,     setdate,       remark,          timeall,
          tiemone,   timetwo,       tiemthree,     checkvalue,      optvalue,
          time_end,  tellShowtime,  tellsoundname, tellprocesstext, tellShowtext,
          clockFont, Fontselect,    picturename,   AImode,          tellouttext,
          time_left, picture_width, picture_height};
}

std::vector<std::string> LinkRecord::values() const { return {ID, fliename, clockname, remark}; }

std::vector<std::string> RunRecord::values() const {
  return {set_time, use_time, out_time, pause_time, filename};
}

}  // namespace horalix::presets
