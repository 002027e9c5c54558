#include "addin/com_registration.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless_registry.h"

namespace horalix::test {
namespace {

using platform::HeadlessRegistry;
using platform::RegRoot;

constexpr char kLibrary[] = "C:\\Program Files\\Horalix\\Horalink32.dll";
// The first key of the classes that registering writes.
constexpr char kFirstClass[] = "CLSID\\{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F21}";

// Every key and value under a root, one line each, in order.
void dump(const HeadlessRegistry& registry, RegRoot root, const std::string& key,
          std::vector<std::string>& lines) {
  for (const auto& name : registry.valueNames(root, key)) {
    lines.push_back(key + " : " + name + " = " + registry.raw(root, key, name)->data);
  }
  for (const auto& sub : registry.subkeyNames(root, key)) {
    const std::string path = key.empty() ? sub : key + "\\" + sub;
    lines.push_back(path);
    dump(registry, root, path, lines);
  }
}

std::vector<std::string> dumpAll(const HeadlessRegistry& registry) {
  std::vector<std::string> lines;
  for (const RegRoot root : {RegRoot::ClassesRoot, RegRoot::CurrentUser, RegRoot::LocalMachine}) {
    lines.push_back("root " + std::to_string(static_cast<unsigned>(root)));
    dump(registry, root, "", lines);
  }
  return lines;
}

// A registry that already holds the keys around the add-in's and entries of others.
void neighbours(HeadlessRegistry& registry) {
  registry.setRaw(RegRoot::ClassesRoot, "CLSID\\{00000000-1111-2222-3333-444444444444}", "",
                  platform::regSzData("Other"));
  registry.setRaw(RegRoot::ClassesRoot, "Interface\\{00000000-1111-2222-3333-555555555555}", "",
                  platform::regSzData("IOther"));
  registry.setRaw(RegRoot::ClassesRoot, "TypeLib\\{00000000-1111-2222-3333-666666666666}", "",
                  platform::regSzData("OtherLib"));
  registry.setRaw(RegRoot::CurrentUser, "Software\\Classes\\Other.Class", "",
                  platform::regSzData("Other.Class"));
  // The containers of a user's classes, which every account has.
  for (const char* container : {"CLSID", "Interface", "TypeLib"}) {
    registry.setRaw(
        RegRoot::CurrentUser,
        std::string("Software\\Classes\\") + container + "\\{00000000-0000-0000-0000-000000000001}",
        "", platform::regSzData("user's"));
  }
  registry.setRaw(RegRoot::CurrentUser, "Vantrel", "clockopen", platform::regDwordData(32));
  for (const char* host : {"Word", "Excel", "PowerPoint"}) {
    const std::string addins = std::string("Software\\Microsoft\\Office\\") + host + "\\Addins";
    registry.setRaw(RegRoot::CurrentUser, addins + "\\Other.Addin", "LoadBehavior",
                    platform::regDwordData(3));
    registry.setRaw(RegRoot::LocalMachine, addins + "\\Other.Addin", "LoadBehavior",
                    platform::regDwordData(2));
  }
}

TEST(ComRegistration, UnregisteringRemovesExactlyWhatRegisteringWrote) {
  for (const bool machineDenied : {false, true}) {
    for (const bool win64 : {false, true}) {
      HeadlessRegistry registry;
      neighbours(registry);
      if (machineDenied) {
        registry.setFaults(RegRoot::ClassesRoot, kFirstClass, HeadlessRegistry::NoCreate);
      }
      const auto before = dumpAll(registry);
      EXPECT_TRUE(addin::registerServer(registry, kLibrary, win64));
      EXPECT_NE(dumpAll(registry), before);
      addin::unregisterServer(registry, kLibrary, win64);
      EXPECT_EQ(dumpAll(registry), before) << "machine denied " << machineDenied;
    }
  }
}

TEST(ComRegistration, ClassesProgIdsTypeLibraryAndAddinKeysHoldTheirValues) {
  HeadlessRegistry registry;
  ASSERT_TRUE(addin::registerServer(registry, kLibrary, false));
  struct Expect {
    RegRoot root;
    std::string key, name;
    platform::RegData value;
  };
  const std::string clsid = "CLSID\\{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F23}";
  const std::string typeLib = "TypeLib\\{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F01}\\1.0";
  const std::vector<Expect> expected = {
      {RegRoot::ClassesRoot, clsid + "\\InprocServer32", "", platform::regSzData(kLibrary)},
      {RegRoot::ClassesRoot, clsid + "\\InprocServer32", "ThreadingModel",
       platform::regSzData("Apartment")},
      {RegRoot::ClassesRoot, clsid + "\\ProgID", "", platform::regSzData("Horalink.OfficePT")},
      {RegRoot::ClassesRoot, "Horalink.OfficeWd\\CLSID", "",
       platform::regSzData("{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F21}")},
      {RegRoot::ClassesRoot, "Interface\\{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F12}", "",
       platform::regSzData("_OfficeET")},
      {RegRoot::ClassesRoot, typeLib, "", platform::regSzData("Horalink")},
      {RegRoot::ClassesRoot, typeLib + "\\0\\win32", "", platform::regSzData(kLibrary)},
      {RegRoot::ClassesRoot, typeLib + "\\HELPDIR", "",
       platform::regSzData("C:\\Program Files\\Horalix")},
      {RegRoot::CurrentUser, "Software\\Microsoft\\Office\\Excel\\Addins\\Horalink.OfficeET",
       "LoadBehavior", platform::regDwordData(3)},
      {RegRoot::CurrentUser, "Software\\Microsoft\\Office\\Word\\Addins\\Horalink.OfficeWd",
       "FriendlyName", platform::regSzData("Horalix")},
      {RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Office\\Word\\Addins\\Horalink.OfficeWd",
       "Description", platform::regSzData("用于办公软件计时")},
      {RegRoot::LocalMachine, "Software\\Microsoft\\Office\\PowerPoint\\Addins\\Horalink.OfficePT",
       "CommandLineSafe", platform::regDwordData(1)},
      {RegRoot::LocalMachine, "Software\\Microsoft\\Office\\PowerPoint\\Addins\\Horalink.OfficePT",
       "LoadBehavior", platform::regDwordData(3)},
  };
  for (const Expect& e : expected) {
    EXPECT_EQ(registry.raw(e.root, e.key, e.name), e.value) << e.key << " : " << e.name;
  }
  // The per-user add-in entry has no command-line flag; the hosts' own interfaces are not ours.
  EXPECT_FALSE(registry.raw(RegRoot::CurrentUser,
                            "Software\\Microsoft\\Office\\Word\\Addins\\Horalink.OfficeWd",
                            "CommandLineSafe"));
  EXPECT_FALSE(
      registry.hasKey(RegRoot::ClassesRoot, "Interface\\{000C0396-0000-0000-C000-000000000046}"));
}

TEST(ComRegistration, UserClassesServeWhenTheMachinesCannotBeWritten) {
  HeadlessRegistry registry;
  registry.setFaults(RegRoot::ClassesRoot, kFirstClass, HeadlessRegistry::NoCreate);
  EXPECT_TRUE(addin::registerServer(registry, kLibrary, true));
  EXPECT_EQ(registry.raw(RegRoot::CurrentUser,
                         "Software\\Classes\\CLSID\\{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F21}"
                         "\\InprocServer32",
                         ""),
            platform::regSzData(kLibrary));
  EXPECT_TRUE(registry.hasKey(RegRoot::CurrentUser,
                              "Software\\Classes\\TypeLib\\{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F01}"
                              "\\1.0\\0\\win64"));

  HeadlessRegistry denied;
  denied.setFaults(RegRoot::ClassesRoot, kFirstClass, HeadlessRegistry::NoCreate);
  denied.setFaults(RegRoot::CurrentUser, "Software\\Classes", HeadlessRegistry::NoCreate);
  EXPECT_FALSE(addin::registerServer(denied, kLibrary, true));
}

}  // namespace
}  // namespace horalix::test
