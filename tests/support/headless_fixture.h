// The base of every headless test: a fresh simulated desktop with virtual time and a program
// folder, and short names for its services.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "support/control_lookup.h"

namespace horalix::test {

class HeadlessFixture : public ::testing::Test {
 public:
  // A test fails when a handler threw and the test did not take the error with takeErrors().
  // Errors that the program passed over on purpose (Platform::log) are in headless.logged().
  void TearDown() override;

  // The full path of a file in the program folder ("sounds\\alarm.wav").
  std::string programPath(const std::string& relative) const;
  // Writes a file of the program folder, creating its folders.
  void installFile(const std::string& relative, const std::string& content = "");
  // The errors that handlers raised so far; they no longer fail the test.
  std::vector<platform::HandlerError> takeErrors();

  // Public, so that helpers and table entries that take the fixture reach the services too.
  platform::HeadlessPlatform headless;
  platform::Platform& platform = headless.platform();
  platform::HeadlessEventLoop& loop = headless.loop();
  platform::HeadlessFormHost& forms = headless.forms();
  platform::HeadlessFileSystem& files = headless.files();
  platform::HeadlessRegistry& registry = headless.registry();
  platform::HeadlessScriptingShell& scriptingShell = headless.scriptingShell();
  platform::HeadlessDatabase& database = headless.database();
  platform::HeadlessDesktop& desktop = headless.desktop();
  platform::HeadlessTray& tray = headless.tray();
  platform::HeadlessHotKeys& hotKeys = headless.hotKeys();
  platform::HeadlessMessageBoxes& messageBoxes = headless.messageBoxes();
  platform::HeadlessSound& sound = headless.sound();
  platform::HeadlessShell& shell = headless.shell();
  platform::HeadlessDialogs& dialogs = headless.dialogs();
  platform::HeadlessSingleInstance& instance = headless.instance();
  platform::HeadlessAutomation& automation = headless.automation();
};

}  // namespace horalix::test
