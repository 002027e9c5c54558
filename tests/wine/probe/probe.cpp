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
//   probe usage <pid>         what the process holds: "<kernel handles> <windows>", the handles
//                             from the system's handle list and the windows (top-level and
//                             child) it owns. Wine 8 answers GetProcessHandleCount, GetGuiResources
//                             and the memory counters of a process with 0, so these are counted
//                             where Wine keeps them; memory is read on the Linux side.
//   probe window <title>      shows a top-level window with that title, as another program's
//                             document window, until the process is ended
//   probe letters <text>      "letters" when the bold dialog font (a tray balloon's title)
//                             draws the text with glyphs, "boxes" when it draws missing-glyph
//                             boxes instead
// Output is UTF-8. Exit code 0, or 2 on a usage error.
#include <windows.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
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

// One entry of the system's handle list (SystemHandleInformation), as ntdll returns it.
struct HandleEntry {
  ULONG ownerPid;
  BYTE objectType;
  BYTE flags;
  USHORT handle;
  PVOID object;
  ACCESS_MASK access;
};

unsigned long handleCount(DWORD pid) {
  constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
  constexpr auto kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);
  using Query = NTSTATUS(WINAPI*)(SYSTEM_INFORMATION_CLASS, PVOID, ULONG, PULONG);
  // Found at run time, so that the probe links without ntdll's import library.
  const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  if (!query) return 0;
  std::vector<char> buffer(1 << 20);
  ULONG length = 0;
  NTSTATUS status;
  while ((status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                         &length)) == kInfoLengthMismatch) {
    buffer.resize(buffer.size() * 2);
  }
  if (status != 0) return 0;
  ULONG count = 0;
  std::memcpy(&count, buffer.data(), sizeof count);
  const char* first = buffer.data() + sizeof(void*);  // the count, padded to the entries
  unsigned long owned = 0;
  for (ULONG i = 0; i < count; ++i) {
    HandleEntry entry;
    std::memcpy(&entry, first + i * sizeof entry, sizeof entry);
    if (entry.ownerPid == pid) ++owned;
  }
  return owned;
}

BOOL CALLBACK countChild(HWND, LPARAM count) {
  ++*reinterpret_cast<unsigned long*>(count);
  return TRUE;
}

int usage(DWORD pid) {
  unsigned long windowCount = 0;
  for (HWND hwnd : windowsOf(pid)) {
    ++windowCount;
    EnumChildWindows(hwnd, &countChild, reinterpret_cast<LPARAM>(&windowCount));
  }
  std::printf("%lu %lu\n", handleCount(pid), windowCount);
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

// Draws `text` in the bold status font on a white surface of its own and returns the pixels.
std::vector<std::uint32_t> drawn(HDC dc, HFONT font, const std::wstring& text) {
  constexpr int kWidth = 400, kHeight = 60;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP surface = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ oldBitmap = SelectObject(dc, surface);
  HGDIOBJ oldFont = SelectObject(dc, font);
  const RECT all{0, 0, kWidth, kHeight};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  TextOutW(dc, 2, 2, text.c_str(), static_cast<int>(text.size()));
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> copy(pixels, pixels + kWidth * kHeight);
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(surface);
  return copy;
}

int letters(const std::wstring& text) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  metrics.lfStatusFont.lfWeight = FW_BOLD;
  HFONT font = CreateFontIndirectW(&metrics.lfStatusFont);
  HDC dc = CreateCompatibleDC(nullptr);
  // A character of the private use area has a glyph in no font: it draws as a box.
  const bool boxes = drawn(dc, font, text) == drawn(dc, font, std::wstring(text.size(), L'\xE000'));
  DeleteDC(dc);
  DeleteObject(font);
  std::printf("%s\n", boxes ? "boxes" : "letters");
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 3) {
    const std::wstring verb = argv[1];
    if (verb == L"pids") return pids(argv[2]);
    if (verb == L"window") return showWindow(argv[2]);
    if (verb == L"letters") return letters(argv[2]);
    const auto pid = static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10));
    if (verb == L"windows") return windows(pid);
    if (verb == L"texts") return texts(pid);
    if (verb == L"children") return children(pid);
    if (verb == L"ok") return answerOk(pid);
    if (verb == L"usage") return usage(pid);
  }
  std::fprintf(
      stderr,
      "usage: probe pids <image> | windows <pid> | texts <pid> | children <pid> | ok <pid> | "
      "usage <pid> | window <title> | letters <text>\n");
  return 2;
}
