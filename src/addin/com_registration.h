// The registry entries that make Horalink32.dll a COM server and an add-in of the Office and
// WPS hosts: its three classes with their ProgIDs, their default interfaces, its type library,
// and each host's add-in key. Registering writes them; unregistering removes exactly what
// registering wrote and nothing of the keys around it.
#pragma once

#include <string>
#include <vector>

#include "addin/addin_services.h"
#include "platform/registry.h"

namespace horalix::addin {

// One add-in class: its host, names and fixed identifiers (kept from release to release).
struct ComClass {
  HostKind kind;
  const char* name;           // OfficeWd
  const char* progId;         // Horalink.OfficeWd
  const char* clsid;          // {...}
  const char* interfaceName;  // _OfficeWd
  const char* iid;            // {...}
  const char* hostName;       // Word, Excel or PowerPoint
};

inline constexpr ComClass kComClasses[] = {
    {HostKind::WordProcessor, "OfficeWd", "Horalink.OfficeWd",
     "{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F21}", "_OfficeWd",
     "{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F11}", "Word"},
    {HostKind::Spreadsheet, "OfficeET", "Horalink.OfficeET",
     "{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F22}", "_OfficeET",
     "{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F12}", "Excel"},
    {HostKind::Presentation, "OfficePT", "Horalink.OfficePT",
     "{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F23}", "_OfficePT",
     "{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F13}", "PowerPoint"},
};

inline constexpr char kTypeLibraryId[] = "{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F01}";
inline constexpr char kAddinDescription[] = "用于办公软件计时";

// One value to write, and the key it belongs to that registering creates and unregistering
// removes with everything below it that registering wrote.
struct RegistryEntry {
  platform::RegRoot root;
  std::string ownedKey;  // the outermost key this library owns ("CLSID\{...}")
  std::string key;       // the key of the value, ownedKey or below it
  std::string name;      // "" for the key's default value
  platform::RegData value;
};

// Where the class entries go: the classes root (machine-wide), or the current user's classes
// when the machine's cannot be written.
enum class ClassesRoot { Machine, CurrentUser };

// Every entry, for the library at `modulePath` of the given word size ("win32" or "win64" in
// the type library's key).
std::vector<RegistryEntry> registrationEntries(const std::string& modulePath, bool win64,
                                               ClassesRoot classes);

// Writes every entry. The class entries go to the classes root, or to the current user's
// classes when that fails; the machine-wide add-in keys are written where the user may.
// True when the classes, ProgIDs, interfaces and type library were written.
bool registerServer(platform::Registry& registry, const std::string& modulePath, bool win64);
// Removes every key that registering writes, from both classes roots, deepest first.
void unregisterServer(platform::Registry& registry, const std::string& modulePath, bool win64);

}  // namespace horalix::addin
