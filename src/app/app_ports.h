// The ports of the subsystems, implemented over the program's windows.
#pragma once

#include <string>

#include "services/ports.h"

namespace horalix {

class App;

class AppPorts final : public RunControl,
                       public RunMenus,
                       public ToolWindows,
                       public InteractionMenu,
                       public SpotlightMenu,
                       public ClockDisplay,
                       public RunRecords,
                       public ProgramEnd {
 public:
  explicit AppPorts(App& app) : app_(app) {}

  void endRun() override;
  void hideProcessBars() override;
  void hideInteraction() override;
  void nextPreset() override;
  void closeToolWindow() override;
  void endSlideShow() override;
  void resumeDocumentWatch() override;
  void startRun() override;
  void stopRun() override;

  void runStarted(bool counting) override;
  void showClocksHidden(bool hidden) override;
  void popUp(platform::Form& over, std::optional<platform::PixelPoint> at) override;

  void open(ToolWindow window) override;
  void unload(ToolWindow window) override;

  std::string presetCaption(int index) override;
  void showPreset(int index, bool visible, const std::string& caption) override;
  void showPaused(bool paused) override;
  void popUp() override;
  void offerExtendedScreen(bool offered) override;
  void tickExtendedScreen(bool ticked) override;

  void setChecked(Spotlight spotlight, bool checked) override;

  void redrawText(int fontSize) override;
  void putOnTop() override;
  AlarmStage alarmStage() override;

  void addRow(const RunState::Record& record) override;

  void endProcess(int exitCode) override;

 private:
  platform::Form& form(ToolWindow window);

  App& app_;
};

}  // namespace horalix
