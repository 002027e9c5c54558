#include "platform/win32/win32_shell.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/com_apartment.h"
#include "platform/win32/system_function.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_form_host.h"

namespace horalix::win32 {

namespace {

// HH_DISPLAY_TOPIC: opens the help file at its default page.
constexpr UINT kDisplayTopic = 0;

using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

HtmlHelpFn htmlHelpFunction() {
  // Kept loaded: unloading the library would close the help windows it opened.
  static const auto fn = systemFunction<HtmlHelpFn>(L"hhctrl.ocx", "HtmlHelpW");
  return fn;
}

bool startWithShowCommand(const std::string& commandLine, WORD show, DWORD creationFlags) {
  std::wstring line = toWide(commandLine);  // CreateProcessW may write into the command line
  line.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = show;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, creationFlags, nullptr,
                      nullptr, &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

const wchar_t* orNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

int Win32Shell::open(const std::string& target, const std::string& parameters,
                     const std::string& folder) {
  // Shell extensions that the open may load expect COM on this thread.
  ensureComApartment();
  const std::wstring file = toWide(target);
  const std::wstring args = toWide(parameters);
  const std::wstring dir = toWide(folder);
  HINSTANCE result =
      ShellExecuteW(nullptr, nullptr, file.c_str(), orNull(args), orNull(dir), SW_SHOWNORMAL);
  return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

bool Win32Shell::startProgram(const std::string& commandLine, Window window) {
  switch (window) {
    case Window::Hidden:
      return startWithShowCommand(commandLine, SW_HIDE, CREATE_NO_WINDOW);
    case Window::Minimized:
      return startWithShowCommand(commandLine, SW_SHOWMINIMIZED, 0);
    case Window::Maximized:
      return startWithShowCommand(commandLine, SW_SHOWMAXIMIZED, 0);
    case Window::Normal:
      break;
  }
  return startWithShowCommand(commandLine, SW_SHOWNORMAL, 0);
}

bool Win32Shell::htmlHelp(const std::string& chmPath, const platform::Form& owner) {
  HtmlHelpFn help = htmlHelpFunction();
  if (help == nullptr) return false;
  HWND ownerWindow = forms_ != nullptr ? forms_->windowOf(owner) : nullptr;
  return help(ownerWindow, toWide(chmPath).c_str(), kDisplayTopic, 0) != nullptr;
}

}  // namespace horalix::win32
