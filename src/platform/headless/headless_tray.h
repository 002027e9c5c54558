// The notification-area icon as a record: whether it shows, its tip, the balloons and the popup
// menus shown. A test fires mouse events on the icon and chooses popup menu items.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/headless/headless_event_loop.h"
#include "platform/tray.h"

namespace horalix::platform {

struct Balloon {
  std::string title, text;
  int timeoutMs = 0;
  std::int64_t at = 0;
};

// One line of a popup menu as it was shown; submenu items follow their parent one level deeper.
// `item` is valid while the menu is open (in the onPopup hook).
struct PopupLine {
  MenuItem* item = nullptr;
  std::string caption;
  bool enabled = true, checked = false;
  int depth = 0;
};

struct PopupRecord {
  std::string form;
  std::vector<PopupLine> lines;
  std::string chosen;            // caption of the item chosen, "" when the menu was dismissed
  std::optional<PixelPoint> at;  // where it was asked for; none: at the cursor
};

class HeadlessTray final : public Tray {
 public:
  HeadlessTray(HeadlessEventLoop& loop, const FileSystem& files) : loop_(loop), files_(files) {}

  bool add(Form& owner, const std::string& tip) override;
  void setTip(const std::string& tip) override { tip_ = tip; }
  // An icon file that does not exist leaves the icon as it was.
  void setIcon(const std::string& iconFile) override;
  void balloon(const std::string& title, const std::string& text, int timeoutMs) override;
  void remove() override;
  void popup(Form& owner, MenuItem& root) override;
  void popupAt(Form& owner, MenuItem& root, PixelPoint at) override;

  // ---- the test's side ----

  // The shell refuses to add the icon (Explorer not running yet).
  void setAddRefused(bool refused) { addRefused_ = refused; }
  // A mouse event on the icon; false when no icon is shown to receive it.
  bool mouse(TrayMouse event);
  // Explorer restarted: the task bar is created anew and the icon added again.
  void restartTaskBar();
  // Chooses the item to click while a popup menu is open (it may also advance time);
  // null or an unset hook dismisses the menu.
  std::function<MenuItem*(const PopupRecord& shown)> onPopup;
  // A hook that chooses the first shown item with this caption, or with it and blanks before
  // the item's hot key.
  static std::function<MenuItem*(const PopupRecord&)> choose(const std::string& caption);

  bool iconShown() const { return shown_; }
  const std::string& owner() const { return owner_; }
  const std::string& tip() const { return tip_; }
  // The icon file shown ("" for the program's own icon).
  const std::string& icon() const { return icon_; }
  int addCount() const { return adds_; }
  const std::vector<Balloon>& balloons() const { return balloons_; }
  const std::vector<PopupRecord>& popups() const { return popups_; }

 private:
  HeadlessEventLoop& loop_;
  const FileSystem& files_;
  bool addRefused_ = false, shown_ = false;
  std::string owner_, tip_, icon_;
  int adds_ = 0;
  std::vector<Balloon> balloons_;
  std::vector<PopupRecord> popups_;

  void show(Form& owner, MenuItem& root, std::optional<PixelPoint> at);
};

// A global hot key as registered.
struct HotKey {
  std::string form;
  int id = 0;
  unsigned modifiers = 0;
  int virtualKey = 0;
};

class HeadlessHotKeys final : public HotKeys {
 public:
  explicit HeadlessHotKeys(HeadlessEventLoop& loop) : loop_(loop) {}

  bool registerKey(Form& owner, int id, unsigned modifiers, int virtualKey) override;
  void unregisterKey(Form& owner, int id) override;

  // Another program holds (or releases) a combination.
  void takeByOtherProgram(unsigned modifiers, int virtualKey);
  void releaseByOtherProgram(unsigned modifiers, int virtualKey);
  // The user presses a combination; false when no hot key of the program is registered for it.
  bool press(unsigned modifiers, int virtualKey);

  const std::vector<HotKey>& registered() const { return registered_; }
  // Registrations that failed because the combination was taken.
  const std::vector<HotKey>& refused() const { return refused_; }

 private:
  HeadlessEventLoop& loop_;
  std::vector<HotKey> registered_, refused_;
  std::vector<std::pair<unsigned, int>> taken_;
};

}  // namespace horalix::platform
