#include "platform/win32/win32_dialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <cwchar>

#include "platform/win32/com_apartment.h"
#include "platform/win32/system_function.h"
#include "platform/win32/wide_text.h"

namespace horalix::win32 {

namespace {

// The common dialogs' library (and the printing libraries it brings along) is loaded when a
// dialog is first shown, not at the program's start.
template <class Function>
Function dialogFunction(const char* name) {
  return systemFunction<Function>(L"comdlg32.dll", name);
}

// Long enough for any path the dialog returns.
constexpr DWORD kPathBuffer = 32768;

// One file, or with `multiSelect` the folder and the chosen names separated by NULs.
std::optional<std::string> runFileDialog(bool save, const std::string& title,
                                         const std::string& filter, const std::string& folder,
                                         const std::string& name,
                                         const std::string& defaultExtension = "",
                                         bool multiSelect = false) {
  // The dialogs host shell extensions, which expect COM on this thread.
  ensureComApartment();
  std::wstring path = toWide(name);
  path.resize(kPathBuffer, L'\0');
  const std::wstring wideTitle = toWide(title);
  const std::wstring wideFilter = dialogFilter(filter);
  const std::wstring wideFolder = toWide(folder);
  const std::wstring wideExtension = toWide(defaultExtension);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter = wideFilter.size() > 2 ? wideFilter.c_str() : nullptr;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = kPathBuffer;
  dialog.lpstrInitialDir = wideFolder.empty() ? nullptr : wideFolder.c_str();
  dialog.lpstrTitle = wideTitle.empty() ? nullptr : wideTitle.c_str();
  dialog.lpstrDefExt = wideExtension.empty() ? nullptr : wideExtension.c_str();
  // The program's current folder stays where it was: paths of its own files are absolute.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  dialog.Flags |= save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST;
  if (multiSelect && !save) dialog.Flags |= OFN_ALLOWMULTISELECT;
  static const auto saveDialog = dialogFunction<decltype(&GetSaveFileNameW)>("GetSaveFileNameW");
  static const auto openDialog = dialogFunction<decltype(&GetOpenFileNameW)>("GetOpenFileNameW");
  const auto show = save ? saveDialog : openDialog;
  if (show == nullptr || !show(&dialog)) return std::nullopt;
  // Several names end with two NULs; one path with one.
  std::size_t end = std::wcslen(path.c_str());
  while (multiSelect && end + 1 < path.size() && path[end + 1] != L'\0') {
    end += 1 + std::wcslen(path.c_str() + end + 1);
  }
  path.resize(end);
  return toUtf8(path);
}

}  // namespace

std::wstring dialogFilter(const std::string& filter) {
  return toWide(platform::nulSeparatedFilter(filter));
}

std::optional<std::string> Win32Dialogs::openFile(const std::string& title,
                                                  const std::string& filter,
                                                  const std::string& folder) {
  return runFileDialog(false, title, filter, folder, "");
}

std::optional<std::string> Win32Dialogs::saveFile(const std::string& title,
                                                  const std::string& filter,
                                                  const std::string& folder,
                                                  const std::string& name) {
  return runFileDialog(true, title, filter, folder, name);
}

std::optional<std::string> Win32Dialogs::fileDialog(const platform::FileDialogRequest& request) {
  return runFileDialog(request.save, request.title, request.filter, request.initialFolder,
                       request.initialFile, request.defaultExtension, request.multiSelect);
}

std::optional<std::uint32_t> Win32Dialogs::chooseColor(std::uint32_t initial) {
  // The user's custom colours last for the session, as in any program's colour dialog.
  static COLORREF customColors[16] = {};
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  dialog.rgbResult = static_cast<COLORREF>(initial & 0x00FFFFFFu);
  dialog.lpCustColors = customColors;
  dialog.Flags = CC_RGBINIT | CC_ANYCOLOR;
  static const auto show = dialogFunction<decltype(&ChooseColorW)>("ChooseColorW");
  if (show == nullptr || !show(&dialog)) return std::nullopt;
  return static_cast<std::uint32_t>(dialog.rgbResult);
}

}  // namespace horalix::win32
