// The statistics window of recorded runs: lists the runs of timesum, deletes the selected ones,
// switches the recording of runs on and off, and exports the list to a spreadsheet or a CSV
// file. Opening it suspends the document watchers and resets the run record; closing it sets
// the watchers and the clock going again.
#pragma once

#include <string>
#include <vector>

#include "platform/automation.h"
#include "platform/forms.h"
#include "presets/statistics_rows.h"

namespace horalix {

struct PresetsNeeds;

class StatisticsWindow : public platform::Form {
 public:
  explicit StatisticsWindow(PresetsNeeds& needs);

  // The visible list, one line per run; several lines can be selected.
  platform::Control& List1;
  // The runs' IDs, line for line beside List1.
  platform::Control& List2;
  // Measures the sample line that sets the blanks between the columns.
  platform::Control& Label3;
  // The column headings above the list.
  platform::Control& Picture1;
  // The recording switch, and the notice shown while recording is off.
  platform::Control& Check1;
  platform::Control& Text1;
  platform::Control& Command1;  // 导出
  platform::Control& Command2;  // 关闭
  platform::Control& Command3;  // 删除
  // Hides the notice three seconds after it was shown.
  platform::Timer& Timer1;

  // The blanks between the columns of a list line, as this load measured them.
  const std::string& separator() const { return separator_; }
  // The runs listed, in list order, each with its ID.
  const std::vector<StatisticsRow>& rows() const { return rows_; }

  void Check1_Click();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Timer1_Timer();

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;

 private:
  bool fillList();
  void drawHeadings();
  void removeLine(int index);
  platform::AutomationTable ListToArray() const;

  PresetsNeeds& needs_;
  std::string separator_ = " ";
  std::vector<StatisticsRow> rows_;
};

}  // namespace horalix
