// The common open, save and colour dialogs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace horalix::platform {

// The open or save dialog as the program's file dialog routine asks for it: one file.
struct FileDialogRequest {
  bool save = false;
  std::string title;
  // Description and pattern pairs separated by "|": "Sounds (*.wav)|*.wav|All|*.*".
  std::string filter;
  std::string initialFile;
  // Added to a name typed without an extension; "" for none.
  std::string defaultExtension;
  std::string initialFolder;
  // Several files may be chosen: the answer is then the folder and each bare name, separated
  // by NULs (one chosen file still comes back as its whole path).
  bool multiSelect = false;
};

// A filter as the dialogs take it: every "|" a NUL, and two NULs at the end.
std::string nulSeparatedFilter(const std::string& filter);

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // `filter` as the dialogs take it: "Text (*.txt)|*.txt|All|*.*". nullopt when cancelled.
  virtual std::optional<std::string> openFile(const std::string& title, const std::string& filter,
                                              const std::string& folder) = 0;
  virtual std::optional<std::string> saveFile(const std::string& title, const std::string& filter,
                                              const std::string& folder,
                                              const std::string& name) = 0;
  // The chosen path; nullopt when the user cancelled or the dialog failed.
  virtual std::optional<std::string> fileDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<std::uint32_t> chooseColor(std::uint32_t initial) = 0;
};

}  // namespace horalix::platform
