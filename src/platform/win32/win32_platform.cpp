#include "platform/win32/win32_platform.h"

namespace horalix::win32 {

Win32Platform::Win32Platform()
    : guard_(log_),
      loop_(guard_),
      forms_(loop_, guard_),
      desktop_(forms_),
      tray_(guard_, forms_),
      hotKeys_(guard_, [this](const platform::Form& form) { return forms_.windowOf(form); }),
      shell_(&forms_,
             [this](const std::function<bool()>& stillWaiting) { loop_.runModal(stillWaiting); }),
      platform_{
          loop_,           forms_,     registry_,
          scriptingShell_, files_,     database_,
          desktop_,        tray_,      hotKeys_,
          messageBoxes_,   sound_,     shell_,
          dialogs_,        instance_,  [this](const std::string& message) { log_.write(message); },
          forms_.fonts(),  automation_} {
  // Any handler may enable, disable or re-time a timer: the native timer follows after each.
  // The next handler may find the registry changed by another program.
  guard_.afterHandler = [this] {
    loop_.rearm();
    registryWatch_.lookAgain();
  };
  // The program runs while any of its windows is loaded, and ends with the user's session.
  forms_.onLastFormUnloaded = [this] { loop_.quit(0); };
  forms_.onSessionEnd = [this] { loop_.quit(0); };
}

}  // namespace horalix::win32
