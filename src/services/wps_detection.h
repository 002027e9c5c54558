// Whether the WPS office suite is installed for this user, by its version value.
#pragma once

namespace horalix {

namespace platform {
class Registry;
class ScriptingShell;
}  // namespace platform

// Reads the suite's version value through the scripting shell, and through the registry
// functions when the shell fails; true when a version is there. Every failure counts as not
// installed.
bool IsWpsInstalled(platform::ScriptingShell& shell, platform::Registry& registry);

}  // namespace horalix
