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

// Starts the program; the caller owns the process handle it is given back.
bool createProcess(const std::string& commandLine, WORD show, DWORD creationFlags,
                   HANDLE* processOut) {
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
  if (processOut != nullptr) {
    *processOut = process.hProcess;
  } else {
    CloseHandle(process.hProcess);
  }
  return true;
}

struct ShowCommand {
  WORD show;
  DWORD creationFlags;
};

ShowCommand showCommandOf(platform::Shell::Window window) {
  switch (window) {
    case platform::Shell::Window::Hidden:
      return {SW_HIDE, CREATE_NO_WINDOW};
    case platform::Shell::Window::Minimized:
      return {SW_SHOWMINIMIZED, 0};
    case platform::Shell::Window::Maximized:
      return {SW_SHOWMAXIMIZED, 0};
    case platform::Shell::Window::Normal:
      break;
  }
  return {SW_SHOWNORMAL, 0};
}

// While the program's own loop waits for a started program, a thread timer wakes it up now and
// then to look whether the program has ended.
constexpr UINT kWakeUpMs = 50;

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
  const ShowCommand command = showCommandOf(window);
  return createProcess(commandLine, command.show, command.creationFlags, nullptr);
}

std::optional<std::uint32_t> Win32Shell::runAndWait(const std::string& commandLine, Window window,
                                                    int timeoutMs) {
  const ShowCommand command = showCommandOf(window);
  HANDLE process = nullptr;
  if (!createProcess(commandLine, command.show, command.creationFlags, &process)) {
    return std::nullopt;
  }
  const DWORD limit = static_cast<DWORD>(timeoutMs > 0 ? timeoutMs : 0);
  DWORD waited = WAIT_TIMEOUT;
  if (modalLoop_) {
    const ULONGLONG deadline = GetTickCount64() + limit;
    const UINT_PTR wakeUp = SetTimer(nullptr, 0, kWakeUpMs, nullptr);
    modalLoop_([&] {
      waited = WaitForSingleObject(process, 0);
      return waited == WAIT_TIMEOUT && GetTickCount64() < deadline;
    });
    if (wakeUp != 0) KillTimer(nullptr, wakeUp);
  } else {
    waited = WaitForSingleObject(process, limit);
  }
  DWORD exitCode = 0;
  const bool ended =
      waited == WAIT_OBJECT_0 && GetExitCodeProcess(process, &exitCode) && exitCode != STILL_ACTIVE;
  CloseHandle(process);
  if (!ended) return std::nullopt;
  return static_cast<std::uint32_t>(exitCode);
}

bool Win32Shell::htmlHelp(const std::string& chmPath, const platform::Form& owner) {
  HtmlHelpFn help = htmlHelpFunction();
  if (help == nullptr) return false;
  HWND ownerWindow = forms_ != nullptr ? forms_->windowOf(owner) : nullptr;
  return help(ownerWindow, toWide(chmPath).c_str(), kDisplayTopic, 0) != nullptr;
}

}  // namespace horalix::win32
