#include "addin/com_registration.h"

#include <algorithm>
#include <set>
#include <utility>

namespace horalix::addin {

namespace {

using platform::RegRoot;

// The universal marshaller of OLE Automation: dual interfaces cross apartments through their
// type library.
constexpr char kAutomationProxy[] = "{00020424-0000-0000-C000-000000000046}";

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

class EntryList {
 public:
  EntryList(RegRoot root, std::string prefix, std::vector<RegistryEntry>& out)
      : root_(root), prefix_(std::move(prefix)), out_(out) {}

  void text(const std::string& owned, const std::string& below, const std::string& name,
            const std::string& value) {
    out_.push_back(
        {root_, prefix_ + owned, prefix_ + owned + below, name, platform::regSzData(value)});
  }
  void number(const std::string& owned, const std::string& name, std::int32_t value) {
    out_.push_back({root_, prefix_ + owned, prefix_ + owned, name, platform::regDwordData(value)});
  }

 private:
  RegRoot root_;
  std::string prefix_;
  std::vector<RegistryEntry>& out_;
};

void classEntries(EntryList list, const std::string& modulePath, bool win64) {
  for (const ComClass& c : kComClasses) {
    const std::string clsidKey = std::string("CLSID\\") + c.clsid;
    list.text(clsidKey, "", "", c.name);
    list.text(clsidKey, "\\InprocServer32", "", modulePath);
    list.text(clsidKey, "\\InprocServer32", "ThreadingModel", "Apartment");
    list.text(clsidKey, "\\ProgID", "", c.progId);
    list.text(clsidKey, "\\TypeLib", "", kTypeLibraryId);
    list.text(clsidKey, "\\VERSION", "", "1.0");
    list.text(c.progId, "", "", c.progId);
    list.text(c.progId, "\\CLSID", "", c.clsid);
    const std::string interfaceKey = std::string("Interface\\") + c.iid;
    list.text(interfaceKey, "", "", c.interfaceName);
    list.text(interfaceKey, "\\ProxyStubClsid32", "", kAutomationProxy);
    list.text(interfaceKey, "\\TypeLib", "", kTypeLibraryId);
    list.text(interfaceKey, "\\TypeLib", "Version", "1.0");
  }
  const std::string typeLibKey = std::string("TypeLib\\") + kTypeLibraryId;
  list.text(typeLibKey, "\\1.0", "", "Horalink");
  list.text(typeLibKey, win64 ? "\\1.0\\0\\win64" : "\\1.0\\0\\win32", "", modulePath);
  list.text(typeLibKey, "\\1.0\\FLAGS", "", "0");
  list.text(typeLibKey, "\\1.0\\HELPDIR", "", folderOf(modulePath));
}

void addinEntries(std::vector<RegistryEntry>& out) {
  for (const ComClass& c : kComClasses) {
    EntryList user(RegRoot::CurrentUser, "", out);
    const std::string userKey =
        std::string("Software\\Microsoft\\Office\\") + c.hostName + "\\Addins\\" + c.progId;
    user.text(userKey, "", "FriendlyName", "Horalix");
    user.text(userKey, "", "Description", kAddinDescription);
    user.number(userKey, "LoadBehavior", 3);
    EntryList machine(RegRoot::LocalMachine, "", out);
    const std::string machineKey =
        std::string(c.kind == HostKind::Presentation ? "Software" : "SOFTWARE") +
        "\\Microsoft\\Office\\" + c.hostName + "\\Addins\\" + c.progId;
    machine.text(machineKey, "", "FriendlyName", "Horalix");
    machine.text(machineKey, "", "Description", kAddinDescription);
    machine.number(machineKey, "LoadBehavior", 3);
    machine.number(machineKey, "CommandLineSafe", 1);
  }
}

bool write(platform::Registry& registry, const RegistryEntry& entry) {
  return registry.createKey(entry.root, entry.key) == platform::regresult::Success &&
         registry.setValue(entry.root, entry.key, entry.name, entry.value) ==
             platform::regresult::Success;
}

bool isClassEntry(const RegistryEntry& entry) {
  return entry.root == RegRoot::ClassesRoot || entry.key.rfind("Software\\Classes\\", 0) == 0;
}

// Every key the entries name, with the keys between each and its owned key, deepest first.
std::vector<std::pair<RegRoot, std::string>> ownedKeys(const std::vector<RegistryEntry>& entries) {
  std::set<std::pair<RegRoot, std::string>> keys;
  for (const auto& entry : entries) {
    std::string key = entry.key;
    keys.insert({entry.root, key});
    while (key.size() > entry.ownedKey.size()) {
      key = key.substr(0, key.find_last_of('\\'));
      keys.insert({entry.root, key});
    }
  }
  std::vector<std::pair<RegRoot, std::string>> ordered(keys.begin(), keys.end());
  std::stable_sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) {
    return std::count(a.second.begin(), a.second.end(), '\\') >
           std::count(b.second.begin(), b.second.end(), '\\');
  });
  return ordered;
}

}  // namespace

std::vector<RegistryEntry> registrationEntries(const std::string& modulePath, bool win64,
                                               ClassesRoot classes) {
  std::vector<RegistryEntry> entries;
  if (classes == ClassesRoot::Machine) {
    classEntries(EntryList(RegRoot::ClassesRoot, "", entries), modulePath, win64);
  } else {
    classEntries(EntryList(RegRoot::CurrentUser, "Software\\Classes\\", entries), modulePath,
                 win64);
  }
  addinEntries(entries);
  return entries;
}

bool registerServer(platform::Registry& registry, const std::string& modulePath, bool win64) {
  bool classesWritten = true;
  for (const auto& entry : registrationEntries(modulePath, win64, ClassesRoot::Machine)) {
    const bool written = write(registry, entry);
    if (isClassEntry(entry)) classesWritten = classesWritten && written;
  }
  if (classesWritten) return true;
  // Without the right to write the machine's classes, the user's own classes serve the hosts
  // this user starts.
  bool userWritten = true;
  for (const auto& entry : registrationEntries(modulePath, win64, ClassesRoot::CurrentUser)) {
    if (isClassEntry(entry)) userWritten = write(registry, entry) && userWritten;
  }
  return userWritten;
}

void unregisterServer(platform::Registry& registry, const std::string& modulePath, bool win64) {
  for (const ClassesRoot classes : {ClassesRoot::Machine, ClassesRoot::CurrentUser}) {
    for (const auto& [root, key] : ownedKeys(registrationEntries(modulePath, win64, classes))) {
      if (registry.keyExists(root, key)) registry.deleteKey(root, key);
    }
  }
}

}  // namespace horalix::addin
