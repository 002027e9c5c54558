// A small look into the running program for the Wine tests, since Wine's tasklist is a stub:
//   probe pids <image name>   the process ids of the processes with that image, one a line
//   probe windows <pid>       the top-level windows of a process:
//                             "<visible> <class>\t<title>\t<left>,<top>,<right>,<bottom>\t<ex>"
//                             (<ex>: the extended window style, in hex)
//   probe texts <pid>         the texts of the message boxes of a process, one a line
//   probe children <pid>      the child windows of the visible top-level windows of a process:
//                             "<top-level hwnd>\t<class>\t<text>\t<left>,<top>,<right>,<bottom>"
//                             (screen coordinates)
//   probe ok <pid>            answers the message boxes of a process with OK
//   probe window <title>      shows a top-level window with that title, as another program's
//                             document window, until the process is ended
// Output is UTF-8. Exit code 0, or 2 on a usage error.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

std::string utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

std::wstring windowText(HWND hwnd) {
  wchar_t text[1024] = {};
  GetWindowTextW(hwnd, text, 1024);
  return text;
}

std::wstring className(HWND hwnd) {
  wchar_t name[256] = {};
  GetClassNameW(hwnd, name, 256);
  return name;
}

struct Search {
  DWORD pid;
  std::vector<HWND> windows;
};

BOOL CALLBACK collect(HWND hwnd, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == search.pid) search.windows.push_back(hwnd);
  return TRUE;
}

std::vector<HWND> windowsOf(DWORD pid) {
  Search search{pid, {}};
  EnumWindows(&collect, reinterpret_cast<LPARAM>(&search));
  return search.windows;
}

BOOL CALLBACK printStatic(HWND child, LPARAM) {
  if (className(child) == L"Static" || className(child) == L"STATIC") {
    const std::wstring text = windowText(child);
    if (!text.empty()) std::printf("%s\n", utf8(text).c_str());
  }
  return TRUE;
}

int pids(const wchar_t* image) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 1;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (_wcsicmp(entry.szExeFile, image) == 0) std::printf("%lu\n", entry.th32ProcessID);
  }
  CloseHandle(snapshot);
  return 0;
}

int windows(DWORD pid) {
  for (HWND hwnd : windowsOf(pid)) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    std::printf("%d %s\t%s\t%ld,%ld,%ld,%ld\t%lx\n", IsWindowVisible(hwnd) ? 1 : 0,
                utf8(className(hwnd)).c_str(), utf8(windowText(hwnd)).c_str(), r.left, r.top,
                r.right, r.bottom,
                static_cast<unsigned long>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
  }
  return 0;
}

int texts(DWORD pid) {
  for (HWND hwnd : windowsOf(pid)) {
    if (className(hwnd) == L"#32770") EnumChildWindows(hwnd, &printStatic, 0);
  }
  return 0;
}

BOOL CALLBACK printChild(HWND child, LPARAM parent) {
  RECT r{};
  GetWindowRect(child, &r);
  std::printf("%llx\t%s\t%s\t%ld,%ld,%ld,%ld\n", static_cast<unsigned long long>(parent),
              utf8(className(child)).c_str(), utf8(windowText(child)).c_str(), r.left, r.top,
              r.right, r.bottom);
  return TRUE;
}

int children(DWORD pid) {
  for (HWND hwnd : windowsOf(pid)) {
    if (IsWindowVisible(hwnd)) EnumChildWindows(hwnd, &printChild, reinterpret_cast<LPARAM>(hwnd));
  }
  return 0;
}

int answerOk(DWORD pid) {
  for (HWND hwnd : windowsOf(pid)) {
    if (className(hwnd) == L"#32770") PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
  }
  return 0;
}

int showWindow(const std::wstring& title) {
  HWND hwnd = CreateWindowExW(0, L"STATIC", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600,
                              500, 300, 120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (hwnd == nullptr) return 1;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 3) {
    const std::wstring verb = argv[1];
    if (verb == L"pids") return pids(argv[2]);
    if (verb == L"window") return showWindow(argv[2]);
    const auto pid = static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10));
    if (verb == L"windows") return windows(pid);
    if (verb == L"texts") return texts(pid);
    if (verb == L"children") return children(pid);
    if (verb == L"ok") return answerOk(pid);
  }
  std::fprintf(
      stderr,
      "usage: probe pids <image> | windows <pid> | texts <pid> | children <pid> | ok <pid> | "
      "window <title>\n");
  return 2;
}
