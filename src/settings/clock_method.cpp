// The clock method and the repair command of the settings window's system page. Both act at
// once, without "应用": the method is stored as soon as it is chosen, and the repair resets the
// stored settings.
#include "services/office_addin_repair.h"
#include "services/program_folder.h"
#include "services/settings_record.h"
#include "services/value_store.h"
#include "settings/settings_needs.h"
#include "settings/settings_window.h"

namespace horalix {

namespace {

constexpr const char* kClockMethods[] = {"方法1", "方法2", "方法3"};

ValueStore programKey(platform::Platform& platform) {
  return ValueStore(platform.scriptingShell, platform.registry);
}

}  // namespace

// The list shows the stored method; an unreadable value shows and stores the first. A stored
// value outside the list selects nothing.
void SettingsWindow::fillClockMethods() {
  platform::Control& list = Combo9;
  list.clear();
  for (const char* method : kClockMethods) list.addItem(method);
  list.setListIndex(programKey(needs_.platform).readInt32("clockmode"));
}

void SettingsWindow::Combo9_Click() {
  const int method = Combo9.ListIndex();
  if (method < 0) return;
  programKey(needs_.platform).write("clockmode", method, platform::regtype::Dword);
}

// "程序修复": the stored settings go and the record takes the defaults, so that the window shows
// them the next time it opens; the add-in's installation is repaired. The controls keep what
// they show until then, and applying them stores them again.
void SettingsWindow::Command5_Click() {
  DeleteSettings(needs_.platform);
  LoadSettings(needs_.platform, needs_.settings);
  RepairOfficeAddin(needs_.platform, iniPath(needs_.platform));
}

}  // namespace horalix
