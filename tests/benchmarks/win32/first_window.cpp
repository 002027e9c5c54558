// Starts a program and reports how long it took until its first visible top-level window:
//   first_window.exe <program> [arguments]
// prints "first window after N ms, process P" (P: the Windows process id) and leaves the program
// running; exit code 1 when it could not start it or no window came within 30 s.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
  DWORD process;
  bool found;
};

BOOL CALLBACK visibleWindowOf(HWND hwnd, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner == search.process && IsWindowVisible(hwnd)) {
    search.found = true;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fputs("usage: first_window.exe <program> [arguments]\n", stderr);
    return 2;
  }
  std::wstring command;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) command += L' ';
    command += L'"';
    command += argv[i];
    command += L'"';
  }
  LARGE_INTEGER frequency, started, now;
  QueryPerformanceFrequency(&frequency);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  // The program gets none of this one's standard handles: a caller that reads this one's output
  // through a pipe must not wait for the program to end.
  startup.dwFlags = STARTF_USESTDHANDLES;
  PROCESS_INFORMATION process{};
  QueryPerformanceCounter(&started);
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fprintf(stderr, "first_window: could not start the program (error %lu)\n", GetLastError());
    return 1;
  }
  Search search{process.dwProcessId, false};
  double elapsedMs = 0;
  while (elapsedMs < 30000) {
    EnumWindows(&visibleWindowOf, reinterpret_cast<LPARAM>(&search));
    QueryPerformanceCounter(&now);
    elapsedMs = static_cast<double>(now.QuadPart - started.QuadPart) * 1000.0 /
                static_cast<double>(frequency.QuadPart);
    if (search.found) break;
    if (WaitForSingleObject(process.hProcess, 2) == WAIT_OBJECT_0) break;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (!search.found) {
    std::fputs("first_window: no visible window of the program\n", stderr);
    return 1;
  }
  std::printf("first window after %.1f ms, process %lu\n", elapsedMs, process.dwProcessId);
  return 0;
}
