#include "platform/headless/headless_tray.h"

#include <algorithm>

#include "platform/forms.h"

namespace horalix::platform {

namespace {

void collect(const MenuItem& parent, int depth, std::vector<PopupLine>& out) {
  for (const auto& child : parent.children()) {
    if (!child->Visible()) continue;
    out.push_back({child.get(), child->Caption(), child->Enabled(), child->Checked(), depth});
    collect(*child, depth + 1, out);
  }
}

const char* mouseName(TrayMouse event) {
  switch (event) {
    case TrayMouse::LeftDown:
      return "left down";
    case TrayMouse::LeftUp:
      return "left up";
    case TrayMouse::LeftDouble:
      return "left double";
    case TrayMouse::RightDown:
      return "right down";
    case TrayMouse::RightUp:
      return "right up";
    case TrayMouse::RightDouble:
      return "right double";
  }
  return "mouse";
}

}  // namespace

bool HeadlessTray::add(Form& owner, const std::string& tip) {
  ++adds_;
  if (addRefused_) return false;
  shown_ = true;
  owner_ = owner.name();
  tip_ = tip;
  return true;
}

void HeadlessTray::setIcon(const std::string& iconFile) {
  if (files_.normalFileExists(iconFile)) icon_ = iconFile;
}

void HeadlessTray::balloon(const std::string& title, const std::string& text, int timeoutMs) {
  balloons_.push_back({title, text, timeoutMs, loop_.now()});
}

void HeadlessTray::remove() { shown_ = false; }

void HeadlessTray::popup(Form& owner, MenuItem& root) { show(owner, root, std::nullopt); }

void HeadlessTray::popupAt(Form& owner, MenuItem& root, PixelPoint at) { show(owner, root, at); }

void HeadlessTray::show(Form& owner, MenuItem& root, std::optional<PixelPoint> at) {
  PopupRecord shown{owner.name(), {}, {}, at};
  collect(root, 0, shown.lines);
  // The menu is a modal loop of its own: the hook stands in for the user and may let time pass.
  MenuItem* chosen = onPopup ? onPopup(shown) : nullptr;
  if (chosen != nullptr) {
    // A timer may have removed the item while the menu was open; then nothing is chosen.
    std::vector<PopupLine> still;
    collect(root, 0, still);
    const bool present = std::any_of(still.begin(), still.end(),
                                     [&](const PopupLine& line) { return line.item == chosen; });
    if (present) {
      shown.chosen = chosen->Caption();
    } else {
      chosen = nullptr;
    }
  }
  popups_.push_back(shown);
  // The chosen item's Click runs after the menu has closed.
  if (onMenuClosed) onMenuClosed();
  if (chosen != nullptr) {
    loop_.dispatch("menu " + owner.name() + "." + chosen->name(), [&] { chosen->click(); });
  }
}

std::function<MenuItem*(const PopupRecord&)> HeadlessTray::choose(const std::string& caption) {
  return [caption](const PopupRecord& shown) -> MenuItem* {
    for (const PopupLine& line : shown.lines) {
      // An item that shows its hot key after blanks is chosen by its name as well.
      if (line.caption == caption || line.caption.starts_with(caption + ' ')) return line.item;
    }
    return nullptr;
  };
}

bool HeadlessTray::mouse(TrayMouse event) {
  if (!shown_) return false;
  if (onMouse) loop_.dispatch(std::string("tray ") + mouseName(event), [&] { onMouse(event); });
  return true;
}

void HeadlessTray::restartTaskBar() {
  if (shown_) ++adds_;
}

// ---- hot keys ----

bool HeadlessHotKeys::registerKey(Form& owner, int id, unsigned modifiers, int virtualKey) {
  const HotKey key{owner.name(), id, modifiers, virtualKey};
  // A combination is refused when any hot key, of this program or another, already holds it.
  const bool takenElsewhere =
      std::find(taken_.begin(), taken_.end(), std::pair{modifiers, virtualKey}) != taken_.end();
  const bool takenHere = std::any_of(registered_.begin(), registered_.end(), [&](const HotKey& k) {
    return k.modifiers == modifiers && k.virtualKey == virtualKey;
  });
  if (takenElsewhere || takenHere) {
    refused_.push_back(key);
    return false;
  }
  registered_.push_back(key);
  return true;
}

void HeadlessHotKeys::unregisterKey(Form& owner, int id) {
  std::erase_if(registered_, [&](const HotKey& k) { return k.form == owner.name() && k.id == id; });
}

void HeadlessHotKeys::takeByOtherProgram(unsigned modifiers, int virtualKey) {
  taken_.emplace_back(modifiers, virtualKey);
}

void HeadlessHotKeys::releaseByOtherProgram(unsigned modifiers, int virtualKey) {
  std::erase(taken_, std::pair{modifiers, virtualKey});
}

bool HeadlessHotKeys::press(unsigned modifiers, int virtualKey) {
  auto it = std::find_if(registered_.begin(), registered_.end(), [&](const HotKey& k) {
    return k.modifiers == modifiers && k.virtualKey == virtualKey;
  });
  if (it == registered_.end()) return false;
  const int id = it->id;
  if (onHotKey) loop_.dispatch("hot key " + std::to_string(id), [&] { onHotKey(id); });
  return true;
}

}  // namespace horalix::platform
