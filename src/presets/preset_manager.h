// The preset manager: the named presets and the document links of OfficeData.db in two
// numbered lists, with delete, move, search and the entry of new presets and links. It opens
// beside the settings window, which is the editing buffer of a preset. Every change to the
// presets rebuilds the tray's presets submenu.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/control_row.h"
#include "platform/database.h"
#include "platform/forms.h"
#include "presets/preset_manager_list.h"
#include "store/store.h"

namespace horalix {

struct PresetsNeeds;

class PresetDatabase;

class PresetManager : public platform::Form {
 public:
  explicit PresetManager(PresetsNeeds& needs);

  // The blanks between a row's number and its name, measured at load.
  std::string listpad;
  // Horizontal screen resolution in dots per inch, measured at load.
  std::int16_t screendpi = 0;

  // The list clicked last, until a tab switch: the presets (List1), the links (List2) or none.
  enum class ActiveList { None, Presets, Links };
  ActiveList active = ActiveList::None;
  // The current row of the list clicked or moved in last (-1: none selected); nothing after
  // the load, which counts as row 0.
  std::optional<int> currentRow() const { return currentRow_; }

  // The rows of a list ("List1" or "List2") as number, name, second and third column; nothing
  // for an empty list or an unknown name.
  std::optional<std::vector<ListRow>> Listdata(const std::string& listname) const;

  // ---- Entry of presets (the settings window supplies the settings values) ----
  // Turns the settings window's controls into the settings columns of a preset row (every
  // column from `timeall` on); nothing when they are refused (the user has been told). The
  // settings window's own by default.
  std::function<std::optional<PresetRecord>()> presetFromSettings;
  // Writes a stored preset row (23 columns) back into the settings window's controls.
  std::function<void(const std::vector<platform::DbValue>& row)> applyPresetRow;
  // Writes the preset whose settings columns are in `record` under the entry fields' number,
  // name, date and remark, appends its row and rebuilds the presets menu. False when nothing
  // was written.
  bool savePreset(PresetRecord record);

  // ---- Document links ----
  // Links each of the bare document names (joined by "\") that is not linked yet to the preset.
  void savetodatabase(const std::string& filename, const std::string& clockname);
  bool IsClockNameFree(const std::string& clockname);
  bool IsFileNameFree(const std::string& fliename);

  // ---- Handlers ----
  void List1_Click();
  void List2_Click();
  void Cmd_del_Click();
  void Cmd_up_Click();
  void Cmd_down_Click();
  void Check1_Click();
  void Text4_Change();
  void Image1_Click(int index);
  void Image1_MouseMove(int index);
  void Form_MouseMove();
  // With Ctrl held down, the web article of the shown entry area.
  void Lab_help_Click(bool ctrlHeld);
  void Cmd_close_Click();
  void Cmd_save_Click();
  void Cmd_load_Click();
  void Command8_Click(int index);
  void Command1_Click(int index);
  void Text1_Change(int index);
  void Text2_Change(int index);
  void Text1_LostFocus(int index);
  void Text2_LostFocus(int index);
  void Text1_KeyPress(int index, int& KeyAscii);
  void Text2_KeyPress(int index, int& KeyAscii);
  void Text2_MouseDown(int index);

 protected:
  void Form_Load() override;

 private:
  void wireHandlers();
  std::optional<PresetRecord> presetOfSettingsWindow();
  void applyToSettingsWindow(const std::vector<platform::DbValue>& row);
  void measureGap();
  void setTabStops();
  void drawHeadings();
  void loadLists();
  void placeBesideSettings();
  void showTab(int index);
  std::string tabPicture(int which) const;
  // A list by its marker name; nullptr for anything else.
  ManagerList* listNamed(const std::string& name);
  ManagerList* activeList();
  void deselectAll(ManagerList& list);
  // Clears the selection of `list` when the current row is one of its rows or above them.
  void deselectIfCurrentWithin(ManagerList& list);
  void moveRow(bool up);
  // Stores the order of a list and shows the IDs the rows now have; false when the store
  // failed (the user was told and the lists were read again).
  bool storeOrder(ManagerList& list, bool afterDelete);
  void reloadAfterFailure();
  void runSearch();
  // Read a list again; false when the read failed, which was told unless `tellFailure` is
  // false.
  bool reloadPresets(PresetDatabase& database, bool tellFailure = true);
  bool reloadLinks(PresetDatabase& database, bool tellFailure = true);
  std::string today() const;
  void rebuildPresetsMenu();
  void notice(const std::string& text, int ms, const std::string& caption = "Horalix");
  PresetDatabase database();

  // ---- The controls, bound once, when the window is built ----
  // The lists.
  platform::Control& List1;   // presets
  platform::Control& List2;   // document links
  platform::Control& Label8;  // measures the gap after the row number

  // The entry areas: Picture1(1) new preset, Picture1(2) new link. Text1(0..3) number, name,
  // date and remark of a preset; Text2(0..3) number, preset names, documents and remark of a
  // link; Label1 and Label2 their captions, which also head the lists' columns.
  platform::ControlRow Picture1, Text1, Text2, Label1, Label2;
  // The entry fields' frames.
  platform::ControlRow Shape1, Shape2;
  // The tabs and their captions.
  platform::ControlRow Image1, Label6;
  // The link area's buttons: pick documents, save the link.
  platform::ControlRow Command8, Command1;
  // The header strips above List1 and List2.
  platform::Control &Picture2, &Picture3;
  // The search: its switch, its text and that text's frame.
  platform::Control &Check1, &Text4, &Shape4;
  platform::Control &Cmd_save, &Cmd_load, &Cmd_del, &Cmd_up, &Cmd_down, &Cmd_close, &Lab_help;

  // Each list's rows with their keys, in the order shown.
  ManagerList presetRows;
  ManagerList linkRows;
  PresetsNeeds& needs_;
  bool ctrlOnHelp_ = false;
  std::optional<int> currentRow_;
};

}  // namespace horalix
