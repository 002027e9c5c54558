#include "presets/office_data_fixture.h"

namespace horalix::test {

PresetRecord samplePreset(const std::string& clockname, int id) {
  PresetRecord r;
  r.ID = std::to_string(id);
  r.clockname = clockname;
  r.setdate = "2024-03-01";
  r.remark = "remark of " + clockname;
  r.timeall = "0:02:30";
  r.tiemone = "60";
  r.timetwo = "30";
  r.tiemthree = "10";
  r.checkvalue = std::string(33, '1');
  r.optvalue = "100100100";
  r.time_end = "300";
  r.tellShowtime = "5";
  r.tellsoundname = "a.wav\\b.wav\\c.wav\\d.wav\\Stop.wav\\e.wav";
  r.tellprocesstext = "您的发言";
  r.tellShowtext = "超时";
  r.clockFont = "Trebuchet MS";
  r.Fontselect = "1020304\\255";
  r.picturename = "bg.png\\0";
  r.AImode = "01111101";
  r.tellouttext = "时间到";
  r.time_left = "0";
  r.picture_width = "640";
  r.picture_height = "480";
  return r;
}

void OfficeDataTest::fill() {
  const char* names[] = {"Keynote", "O'Brien", "Panel"};
  for (int i = 0; i < 3; ++i)
    ASSERT_EQ(officeData.addPreset(samplePreset(names[i], i + 1)), DbOutcome::Done);
  ASSERT_EQ(officeData.addLink({"1", "talk.pptx", "Keynote", ""}), DbOutcome::Done);
  ASSERT_EQ(officeData.addLink({"2", "it's.pptx", "O'Brien", "quoted"}), DbOutcome::Done);
  ASSERT_EQ(officeData.addRunRecord({"00:05:00", "00:04:10", "00:00:00", "00:00:20", "手动计时"}),
            DbOutcome::Done);
  ASSERT_EQ(officeData.addRunRecord({"00:10:00", "00:10:00", "00:01:05", "00:00:00", "talk.pptx"}),
            DbOutcome::Done);
}

std::vector<std::string> OfficeDataTest::column(const DbRows& rows, std::size_t position) {
  std::vector<std::string> values;
  for (const auto& row : rows.table.rows) values.push_back(fieldText(row.at(position)));
  return values;
}

std::vector<std::string> OfficeDataTest::shownTexts() const {
  std::vector<std::string> texts;
  for (const auto& box : messageBoxes.shown()) texts.push_back(box.text);
  return texts;
}

}  // namespace horalix::test
