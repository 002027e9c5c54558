// The menus show the run state: whenever it changes and before a menu opens, every item that
// stands for state is written from it (enabled, shown, ticked, and the captions that name the
// other state). Nothing is read back from an item.
#include "main/command_table.h"
#include "main/main_needs.h"
#include "main/main_window.h"

namespace horalix {

namespace {

void paintOffer(platform::MenuItem& item, const TrayOffers::Offer& offer) {
  item.setEnabled(offer.enabled);
  item.setVisible(offer.shown);
}

}  // namespace

std::string MainWindow::commandCaption(const Command& command) const {
  const CommandId id = command.id;
  std::string name(command.caption);
  // These two captions name what choosing them does: the state the run is not in.
  if (id == CommandId::PauseResume) name = needs_.run.paused ? "继续" : "暂停";
  if (id == CommandId::ShowHideClock) name = needs_.run.clocksHidden ? "显示" : "隐藏";
  return name + hotKeyTexts_.at(static_cast<std::size_t>(command.hotKey));
}

void MainWindow::paintMenus() {
  // Before the menus are built there is nothing to paint.
  if (findMenu("menu_one", 1) == nullptr) return;
  const RunState& run = needs_.run;
  const TrayOffers& offers = run.offers;
  using C = CommandId;
  const std::pair<CommandId, const TrayOffers::Offer&> offered[] = {
      {C::Start, offers.start},       {C::PauseResume, offers.pause},
      {C::Stop, offers.stop},         {C::ShowHideClock, offers.showHide},
      {C::Settings, offers.settings}, {C::Presets, offers.presets},
      {C::Statistics, offers.tools},  {C::Help, offers.tools},
      {C::OnlineHelp, offers.tools},  {C::Exit, offers.tools},
  };
  for (const auto& [id, offer] : offered) paintOffer(commandItem(*this, id), offer);
  for (const Command& command : commands()) {
    if (command.hotKey != 0) commandItem(*this, command.id).setCaption(commandCaption(command));
  }
  for (int i = 0; i < oftenCount(); ++i) menu_often(i).setChecked(i == run.currentPreset);
  for (int i = 0; i < 2; ++i) {
    MouseLight(i).setChecked(run.spotlightOn.at(static_cast<std::size_t>(i)));
  }
  platform::MenuItem& extended = hd_time_show();
  extended.setVisible(run.extendedScreenOffered);
  extended.setChecked(run.interactionScreen == InteractionScreen::Extended);
  commandItem(*this, CommandId::InteractionPause)
      .setCaption(run.interactionPaused ? "开始计时" : "暂停计时");
}

}  // namespace horalix
