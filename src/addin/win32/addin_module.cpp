#include "addin/win32/addin_module.h"

#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_scripting_shell.h"
#include "platform/win32/win32_shell.h"

namespace horalix::addin::win32 {

namespace {

HMODULE module_ = nullptr;
std::atomic<long> objects_{0};
std::atomic<long> locks_{0};

// A type library of this file: `resource` is empty for resource 1, else a backslash and the
// resource's number, appended to the file's path as LoadTypeLibEx takes it.
ITypeLib* loadTypeLibrary(const wchar_t* resource) {
  ITypeLib* library = nullptr;
  if (FAILED(LoadTypeLibEx((modulePath() + resource).c_str(), REGKIND_NONE, &library))) {
    return nullptr;
  }
  return library;
}

// The scripting shell of the add-in's registry steps: a shell object of the Win32 backend, made
// at the first verb and dropped when the host's call ends (HostCall).
class CallScopedShell final : public platform::ScriptingShell {
 public:
  bool regWrite(const std::string& path, const platform::ShellValue& value,
                const std::string& type) override {
    return shell().regWrite(path, value, type);
  }
  std::optional<platform::ShellValue> regRead(const std::string& path) override {
    return shell().regRead(path);
  }
  bool regDelete(const std::string& path) override { return shell().regDelete(path); }

  void release() { shell_.reset(); }

 private:
  horalix::win32::Win32ScriptingShell& shell() {
    if (shell_ == nullptr) shell_ = std::make_unique<horalix::win32::Win32ScriptingShell>();
    return *shell_;
  }

  std::unique_ptr<horalix::win32::Win32ScriptingShell> shell_;
};

CallScopedShell& scriptingShell() {
  static CallScopedShell shell;
  return shell;
}

// How deep the host's calls into the add-in are nested (a modal message box lets the host call
// again); the host calls only on its user-interface thread.
int hostCallDepth_ = 0;

}  // namespace

HostCall::HostCall() { ++hostCallDepth_; }

HostCall::~HostCall() {
  if (--hostCallDepth_ == 0) scriptingShell().release();
}

void setModuleHandle(HMODULE module) { module_ = module; }
HMODULE moduleHandle() { return module_; }

std::wstring modulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(module_, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return L"";
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

void objectCreated() { ++objects_; }
void objectDestroyed() { --objects_; }
void lockServer(bool lock) { lock ? ++locks_ : --locks_; }
bool canUnload() { return objects_ == 0 && locks_ == 0; }

AddinServices& services() {
  // Built once, on the host's thread, when the host first uses the add-in.
  static horalix::win32::Win32Registry registry;
  static horalix::win32::Win32FileSystem files;
  static horalix::win32::Win32Shell shell;
  static horalix::win32::Win32MessageBoxes messageBoxes;
  static AddinServices services{
      registry,     scriptingShell(),
      files,        shell,
      messageBoxes, horalix::win32::folderOfModulePath(horalix::win32::toUtf8(modulePath()))};
  return services;
}

ITypeInfo* typeInfoOf(REFIID iid) {
  // The type libraries are resources of this very file, loaded without registering anything:
  // "Horalink" (resource 1) and the hosts' interfaces (resource 2).
  static ITypeLib* const libraries[] = {loadTypeLibrary(L""), loadTypeLibrary(L"\\2")};
  // By the whole interface id: the classes' default interfaces differ only in their last byte.
  static std::vector<std::pair<IID, ITypeInfo*>> infos;
  for (const auto& [known, info] : infos) {
    if (IsEqualIID(known, iid)) return info;
  }
  ITypeInfo* info = nullptr;
  for (ITypeLib* library : libraries) {
    if (library != nullptr && SUCCEEDED(library->GetTypeInfoOfGuid(iid, &info))) break;
    info = nullptr;
  }
  infos.emplace_back(iid, info);
  return info;
}

HostState& stateOf(HostKind kind) {
  static std::array<HostState, 3> states;
  HostState& state = states[static_cast<std::size_t>(kind)];
  if (!state.connection) state.connection = std::make_unique<HostConnection>(services(), kind);
  return state;
}

}  // namespace horalix::addin::win32
