// What the user is told when an operation on OfficeData.db fails: one text per kind of
// operation, shown either as a modal box or as a notice that closes itself.
#pragma once

#include <string_view>

#include "platform/message_boxes.h"

namespace horalix {

enum class DbNotice {
  ListsUnavailable,  // lists, search, name checks, applying a menu preset, statistics load
  PresetNotSaved,    // the preset entry failed
  LinksNotSaved,     // adding document links failed
  DeleteFailed,      // deleting rows failed (also the order store that follows a delete)
  RecordNotFound,    // the order store found no row for a listed name
  PresetIncomplete,  // the preset to apply is missing or its row is not whole
};

struct NoticeText {
  std::string_view text;
  int timeoutMs;  // 0: a modal box with an OK button
};

NoticeText noticeText(DbNotice notice);

// Shows the notice: modal boxes with the OK button, timed ones through showTimed; the caption
// is the program's title on both.
void showNotice(platform::MessageBoxes& boxes, DbNotice notice);

}  // namespace horalix
