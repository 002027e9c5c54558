#include "presets/spreadsheet_export.h"

#include <memory>
#include <vector>

#include "services/program_folder.h"
#include "services/registry_routines.h"
#include "services/startup_check.h"
#include "services/wps_detection.h"
#include "store/store.h"

namespace horalix {

using platform::AutomationError;
using platform::AutomationObject;
using platform::AutomationReply;
using platform::AutomationValue;

namespace {

constexpr char kSpreadsheetClass[] = "Excel.Application";

// The CSV file in the program folder, opened in Notepad. The path is quoted, so that a program
// folder whose name holds blanks reaches Notepad whole.
void exportToCsv(platform::Platform& platform, const std::string& folder,
                 const std::string& sheetname, const platform::AutomationTable& table) {
  auto& boxes = platform.messageBoxes;
  if (IsWpsInstalled(platform.scriptingShell, platform.registry)) {
    boxes.show("WPS是早期版本，只能导出为csv文件，请升级WPS程序", "提示",
               platform::mb::Exclamation);
  } else {
    boxes.show("没有安装WPS或Excel程序，导出为.csv文件", kProgramTitle, platform::mb::Ok);
  }
  const std::string file = folder + sheetname + ".csv";
  const std::string error = ListviewToCSV(platform.files, table, file);
  if (!error.empty()) boxes.show(error, kProgramTitle, platform::mb::Ok);
  if (!platform.shell.startProgram("notepad \"" + file + "\"", platform::Shell::Window::Normal)) {
    platform.log("statistics export: notepad could not be started");
  }
}

// The steps that fill the workbook, each on the objects the steps before it gave. With an
// instance the user already runs, a failing step is passed over and the next one runs; with a
// new instance the first failure ends the filling. The application is made visible in both
// cases, so that the user sees what was exported.
class WorkbookFill {
 public:
  WorkbookFill(std::shared_ptr<AutomationObject> application, bool attached,
               platform::Platform& platform)
      : application_(std::move(application)), attached_(attached), platform_(platform) {}

  void run(const std::string& sheetname, const platform::AutomationTable& table) {
    step([&] { return call(application_, "Workbooks").and_then("Add"); });
    step([&] {
      return call(application_, "Worksheets", {std::string("sheet1")})
          .put("Name", std::string(sheetname));
    });
    step([&] {
      Chain sheets = call(application_, "ActiveWorkbook").and_then("Sheets", {std::int32_t{1}});
      sheet_ = sheets.object;
      return sheets;
    });
    step([&] { return call(sheet_, "Cells").and_then("Clear"); });
    step([&] { return call(sheet_, "Cells").put("NumberFormatLocal", std::string("@")); });
    step([&] {
      const auto rows = static_cast<std::int32_t>(table.rows.size());
      const auto columns = static_cast<std::int32_t>(table.columnCount());
      Chain first = call(sheet_, "Cells", {std::int32_t{1}, std::int32_t{1}});
      Chain last = call(sheet_, "Cells", {rows, columns});
      if (!first.ok()) return first;
      if (!last.ok()) return last;
      return call(sheet_, "Range", {first.object, last.object}).put("Value", table);
    });
    // Shown to the user whatever the filling came to.
    stopped_ = false;
    step([&] { return Chain{application_, std::nullopt}.put("Visible", true); });
    stopped_ = false;
    step([&] { return Chain{application_, std::nullopt}.put("Interactive", true); });
  }

 private:
  // A call and the object it gave, so that the next member is called on it.
  struct Chain {
    std::shared_ptr<AutomationObject> object;
    std::optional<AutomationError> error;

    bool ok() const { return !error && object != nullptr; }
    Chain and_then(std::string_view member, const std::vector<AutomationValue>& args = {}) const {
      if (!ok()) return *this;
      return from(object->get(member, args));
    }
    Chain put(std::string_view member, AutomationValue value) const {
      if (!ok()) return *this;
      AutomationReply reply = object->put(member, {}, value);
      return Chain{object, reply.error};
    }
    static Chain from(AutomationReply reply) {
      Chain chain{std::move(reply.object), std::move(reply.error)};
      if (!chain.error && chain.object == nullptr) {
        chain.error = AutomationError{91, "Object variable or With block variable not set"};
      }
      return chain;
    }
  };

  static Chain call(const std::shared_ptr<AutomationObject>& object, std::string_view member,
                    const std::vector<AutomationValue>& args = {}) {
    return Chain{object, std::nullopt}.and_then(member, args);
  }

  template <typename Step>
  void step(Step&& action) {
    if (stopped_) return;
    const Chain result = action();
    if (!result.error && result.object != nullptr) return;
    const std::string what = result.error ? result.error->description : "no object";
    platform_.log("statistics export, spreadsheet: " + what);
    if (!attached_) stopped_ = true;
  }

  std::shared_ptr<AutomationObject> application_;
  std::shared_ptr<AutomationObject> sheet_;
  bool attached_;
  bool stopped_ = false;
  platform::Platform& platform_;
};

}  // namespace

void export_to_excel(platform::Platform& platform, const std::string& sheetname,
                     const platform::AutomationTable& SomeArray) {
  auto& boxes = platform.messageBoxes;
  if (SomeArray.rows.size() <= 1) {
    boxes.show("没有要导出的数据", kProgramTitle, platform::mb::Ok);
    return;
  }
  std::string folder = programFolder(platform);
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  if (!RegKeyExists(platform.registry, boxes, "Excel.Sheet\\CurVer", "")) {
    exportToCsv(platform, folder, sheetname, SomeArray);
    return;
  }
  platform::Automation& automation = platform.automation;
  bool attached = true;
  AutomationReply application = automation.running(kSpreadsheetClass);
  if (application.error && application.error->number == AutomationError::kCannotCreateObject) {
    attached = false;
    application = automation.create(kSpreadsheetClass);
    if (application.error && application.error->number == AutomationError::kCannotCreateObject) {
      boxes.show("Error: " + std::to_string(application.error->number) + "\r\n\r\n" +
                     application.error->description,
                 kProgramTitle, platform::mb::Information);
      return;
    }
  }
  if (application.object == nullptr) return;
  WorkbookFill(application.object, attached, platform).run(sheetname, SomeArray);
}

}  // namespace horalix
