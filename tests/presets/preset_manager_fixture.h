// The program with its preset manager over a real OfficeData.db: six presets, of which the
// first two are linked to documents whose names hold a quote and blanks.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "main/main.h"
#include "presets/office_data_file.h"
#include "presets/preset_manager.h"
#include "services/program_folder.h"
#include "support/program_fixture.h"

namespace horalix::test {

PresetRecord samplePreset(const std::string& clockname, int id);

class PresetManagerTest : public ProgramFixture {
 protected:
  void SetUp() override {
    createOfficeDataFile(files.realPath(programPath("OfficeData.db")));
    int id = 0;
    for (const char* name : {"Keynote", "O'Brien", "Long    gap", "Panel", "Quiz", "Zeta"}) {
      ASSERT_EQ(data.addPreset(samplePreset(name, ++id)), DbOutcome::Done);
    }
    ASSERT_EQ(data.addLink({"1", "talk.pptx", "Keynote", ""}), DbOutcome::Done);
    ASSERT_EQ(data.addLink({"2", "it's my deck.pptx", "O'Brien", "quoted"}), DbOutcome::Done);
  }

  // Ways the database becomes unreadable while the program runs.
  enum class Breakage { Locked, Damaged, Gone, LinksDropped };
  // Breaks the database that way; a lock lasts as long as `lock` holds it.
  void breakDatabase(Breakage how, std::optional<OfficeDataLock>& lock) {
    const std::string real = files.realPath(programPath("OfficeData.db"));
    switch (how) {
      case Breakage::Locked:
        lock.emplace(real);
        break;
      case Breakage::Damaged:
        damageOfficeDataFile(real);
        break;
      case Breakage::Gone:
        std::filesystem::remove(real);
        break;
      case Breakage::LinksDropped:
        createOfficeDataFile(real, "DROP TABLE file_list;");
        break;
    }
  }
  // A fresh database with the presets and links of SetUp, and the manager closed.
  void startAgain() {
    manager().Unload();
    std::filesystem::remove(files.realPath(programPath("OfficeData.db")));
    SetUp();
  }

  PresetManager& manager() { return app.presetManager(); }
  platform::Control& c(const std::string& name, int index = -1) {
    return controlNamed(manager(), name, index);
  }
  void open() { manager().Load(); }

  // The user clicks rows of a list (the last one gets the focus rectangle).
  void clickRows(platform::Control& list, const std::vector<int>& rows) {
    std::vector<bool> selected(list.List().size());
    for (int r : rows) selected[static_cast<std::size_t>(r)] = true;
    list.userSelect(selected, rows.empty() ? -1 : rows.back());
  }

  // "ID name" of the stored presets, or of the links ("ID document"), in ID order.
  std::vector<std::string> storedPresets() { return stored(data.presetList(Access::Direct), 1); }
  std::vector<std::string> storedLinks() { return stored(data.linkList(Access::Direct), 1); }
  static std::vector<std::string> stored(const DbRows& rows, std::size_t column) {
    std::vector<std::string> out;
    for (const auto& row : rows.table.rows) {
      out.push_back(fieldText(row[0]) + " " + fieldText(row[column]));
    }
    return out;
  }
  // "number name" of the shown rows of a list, from its text.
  std::vector<std::string> shown(platform::Control& list) {
    std::vector<std::string> out;
    for (const std::string& text : list.List()) {
      const std::size_t gap = text.find(manager().listpad);
      out.push_back(text.substr(0, gap) + " " +
                    text.substr(gap + manager().listpad.size(),
                                text.find('\t') - gap - manager().listpad.size()));
    }
    return out;
  }
  std::vector<std::string> menuCaptions() {
    std::vector<std::string> out;
    for (const auto& item : app.mainWindow().menu_two(3).children()) out.push_back(item->Caption());
    return out;
  }
  std::vector<std::string> shownTexts() {
    std::vector<std::string> out;
    for (const auto& box : messageBoxes.shown()) out.push_back(box.text);
    return out;
  }

  PresetDatabase data{platform.database, files, messageBoxes, files.programFolder(), "731QT908"};
};

}  // namespace horalix::test
