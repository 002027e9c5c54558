// The three tables of OfficeData.db as the program writes them: named presets (`clocksetting`),
// document links (`file_list`) and recorded runs (`timesum`). Readers address columns by
// position, so each table's columns stand here once, in their physical order, with the kind
// of value the column holds.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace horalix {

// What a column holds, and so how a text written into it is converted on its way in.
enum class ColumnKind {
  Text,       // stored as given
  Integer32,  // a number, rounded to a whole number (halves to even), 32-bit range
  Integer16,  // the same, 16-bit range
  TimeOfDay,  // a duration as a time of day, "h:mm:ss" or "h:mm", stored as "hh:mm:ss"
  Duration,   // a duration whose hours may exceed 23, stored as "hh:mm:ss" ("25:00:00")
  Identity,   // assigned by the database; never written
};

struct ColumnSpec {
  std::string_view name;
  ColumnKind kind;
  // The settings record's field that the column holds (its name in the record), "" for none.
  std::string_view field = {};
};

// Positions of the preset row's 23 columns.
enum PresetColumn : std::size_t {
  kPresetId,
  kClockname,
  kSetdate,
  kPresetRemark,
  kTimeall,
  kTiemone,
  kTimetwo,
  kTiemthree,
  kCheckvalue,
  kOptvalue,
  kTimeEnd,
  kTellShowtime,
  kTellsoundname,
  kTellprocesstext,
  kTellShowtext,
  kClockFont,
  kFontselect,
  kPicturename,
  kAImode,
  kTellouttext,
  kTimeLeft,
  kPictureWidth,
  kPictureHeight,
  kPresetColumnCount,
};

// Positions of a document link's 4 columns.
enum LinkColumn : std::size_t { kLinkId, kFliename, kLinkClockname, kLinkRemark, kLinkColumnCount };

// Positions of a run record's 6 columns.
enum RunRecordColumn : std::size_t {
  kRunId,
  kSetTime,
  kUseTime,
  kOutTime,
  kPauseTime,
  kRunFilename,
  kRunRecordColumnCount,
};

extern const std::array<ColumnSpec, kPresetColumnCount> kPresetColumns;
extern const std::array<ColumnSpec, kLinkColumnCount> kLinkColumns;
extern const std::array<ColumnSpec, kRunRecordColumnCount> kRunRecordColumns;

// The columns of the table of that name; empty when the database has no such table.
std::span<const ColumnSpec> tableColumns(std::string_view table);

// One named preset as the preset entry writes it: every field as the text the entry window
// holds; the columns that hold numbers or a duration convert it (see ColumnKind).
struct PresetRecord {
  std::string ID;
  std::string clockname;
  std::string setdate;
  std::string remark;
  std::string timeall;
  std::string tiemone;
  std::string timetwo;
  std::string tiemthree;
  std::string checkvalue;
  std::string optvalue;
  std::string time_end;
  std::string tellShowtime;
  std::string tellsoundname;
  std::string tellprocesstext;
  std::string tellShowtext;
  std::string clockFont;
  std::string Fontselect;
  std::string picturename;
  std::string AImode;
  std::string tellouttext;
  std::string time_left;
  std::string picture_width;
  std::string picture_height;

  // The value of the column at that position (a PresetColumn); throws std::out_of_range past
  // the last column.
  std::string& column(std::size_t position);
  // The 23 values in column order.
  std::vector<std::string> values() const;
};

// One document link: the bare document file name and the preset it runs with.
struct LinkRecord {
  std::string ID;
  std::string fliename;
  std::string clockname;
  std::string remark;

  std::vector<std::string> values() const;
};

// One finished run: the set, used, overtime and paused times as "hh:mm:ss" and the document
// ("手动计时" for a manual run). The database gives it its ID.
struct RunRecord {
  std::string set_time;
  std::string use_time;
  std::string out_time;
  std::string pause_time;
  std::string filename;

  // The 5 values in column order, without the ID.
  std::vector<std::string> values() const;
};

}  // namespace horalix
