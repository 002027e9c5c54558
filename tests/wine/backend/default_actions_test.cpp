// What the shell and the wave player are asked to do: a document opens by its default action
// (which need not be "open"), and wave sounds play asynchronously, looped when asked, with the
// system's lookup and default sound.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <string>

#include "backend_fixture.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_sound.h"

namespace horalix::win32::test {
namespace {

// A document type whose only action is "present": a shell asked for "open" finds none.
void registerPresentOnlyType(HKEY root) {
  HKEY key = nullptr;
  RegCreateKeyExW(root, L"Software\\Classes\\.hxshow", 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                  nullptr);
  RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(L"HoralixShow"),
                 sizeof L"HoralixShow");
  RegCloseKey(key);
  RegCreateKeyExW(root, L"Software\\Classes\\HoralixShow\\shell", 0, nullptr, 0, KEY_WRITE, nullptr,
                  &key, nullptr);
  RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(L"present"),
                 sizeof L"present");
  RegCloseKey(key);
  RegCreateKeyExW(root, L"Software\\Classes\\HoralixShow\\shell\\present\\command", 0, nullptr, 0,
                  KEY_WRITE, nullptr, &key, nullptr);
  const wchar_t command[] = L"cmd.exe /c exit 0";
  RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command), sizeof command);
  RegCloseKey(key);
}

TEST(Win32Shell, ADocumentOpensByItsDefaultAction) {
  Backend b;
  registerPresentOnlyType(HKEY_CURRENT_USER);
  registerPresentOnlyType(HKEY_LOCAL_MACHINE);
  const std::string document = b.folder.file("talk.hxshow");
  HANDLE file = CreateFileW(toWide(document).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  Win32Shell shell;
  EXPECT_GT(shell.open(document, "", ""), 32);
}

TEST(Win32Sound, WavesPlayAsynchronouslyAndLoopOnlyWhenAsked) {
  EXPECT_EQ(waveFlags(false), static_cast<std::uint32_t>(SND_ASYNC));
  EXPECT_EQ(waveFlags(true), static_cast<std::uint32_t>(SND_ASYNC | SND_LOOP));
}

}  // namespace
}  // namespace horalix::win32::test
