#include "platform/win32/win32_scripting_shell.h"

#include <windows.h>
#include <oleauto.h>

#include <vector>

#include "platform/win32/com_apartment.h"
#include "platform/win32/wide_text.h"

namespace horalix::win32 {

using platform::ShellValue;

namespace {

// A VARIANT that clears itself.
class Variant {
 public:
  Variant() { VariantInit(&value); }
  ~Variant() { VariantClear(&value); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;

  static void setText(VARIANT& v, std::string_view text) {
    const std::wstring wide = toWide(text);
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  }

  VARIANT value;
};

}  // namespace

// One "WScript.Shell" object, kept for the verbs that follow on the same thread: creating it
// looks the class up in the registry and loads its library, which costs far more than a verb.
class Win32ScriptingShell::ShellObject {
 public:
  ShellObject() {
    if (!ensureComApartment()) return;
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(L"WScript.Shell", &clsid))) return;
    void* object = nullptr;
    if (SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                   IID_IDispatch, &object))) {
      dispatch_ = static_cast<IDispatch*>(object);
    }
  }
  ~ShellObject() {
    if (dispatch_ != nullptr) dispatch_->Release();
  }
  ShellObject(const ShellObject&) = delete;
  ShellObject& operator=(const ShellObject&) = delete;

  bool created() const { return dispatch_ != nullptr; }
  DWORD thread() const { return thread_; }

  // Calls a method with its arguments in the order the script would write them.
  bool call(const wchar_t* method, const std::vector<VARIANT*>& args, VARIANT* result) {
    if (dispatch_ == nullptr) return false;
    DISPID id = 0;
    auto* name = const_cast<LPOLESTR>(method);
    if (FAILED(dispatch_->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id))) {
      return false;
    }
    // IDispatch takes the arguments last to first.
    std::vector<VARIANTARG> reversed;
    for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(**it);
    DISPPARAMS params{};
    params.rgvarg = reversed.data();
    params.cArgs = static_cast<UINT>(reversed.size());
    EXCEPINFO error{};
    UINT badArgument = 0;
    const HRESULT hr = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                         &params, result, &error, &badArgument);
    SysFreeString(error.bstrSource);
    SysFreeString(error.bstrDescription);
    SysFreeString(error.bstrHelpFile);
    return SUCCEEDED(hr);
  }

 private:
  IDispatch* dispatch_ = nullptr;
  DWORD thread_ = GetCurrentThreadId();
};

namespace {

std::string textOf(BSTR text) {
  if (text == nullptr) return {};
  std::wstring_view wide(text, SysStringLen(text));
  // The shell hands a stored text back up to its first NUL.
  wide = wide.substr(0, wide.find(L'\0'));
  return toUtf8(wide);
}

// REG_BINARY comes back as an array of byte variants, REG_MULTI_SZ as an array of texts.
std::optional<ShellValue> fromArray(SAFEARRAY* array, VARTYPE elementType) {
  if (array == nullptr || SafeArrayGetDim(array) != 1) return std::nullopt;
  LONG low = 0, high = -1;
  SafeArrayGetLBound(array, 1, &low);
  SafeArrayGetUBound(array, 1, &high);
  std::vector<std::uint8_t> bytes;
  std::vector<std::string> texts;
  for (LONG i = low; i <= high; ++i) {
    if (elementType == VT_UI1) {
      unsigned char byte = 0;
      if (FAILED(SafeArrayGetElement(array, &i, &byte))) return std::nullopt;
      bytes.push_back(byte);
      continue;
    }
    Variant element;
    if (FAILED(SafeArrayGetElement(array, &i, &element.value))) return std::nullopt;
    if (V_VT(&element.value) == VT_BSTR) {
      texts.push_back(textOf(V_BSTR(&element.value)));
    } else if (SUCCEEDED(VariantChangeType(&element.value, &element.value, 0, VT_UI1))) {
      bytes.push_back(V_UI1(&element.value));
    } else {
      return std::nullopt;
    }
  }
  if (!texts.empty()) return ShellValue(std::move(texts));
  return ShellValue(std::move(bytes));
}

std::optional<ShellValue> fromVariant(VARIANT& v) {
  switch (V_VT(&v)) {
    case VT_BSTR:
      return ShellValue(textOf(V_BSTR(&v)));
    case VT_I4:
      return ShellValue(static_cast<std::int32_t>(V_I4(&v)));
    case VT_UI4:
      return ShellValue(static_cast<std::int32_t>(V_UI4(&v)));
    case VT_ARRAY | VT_VARIANT:
      return fromArray(V_ARRAY(&v), VT_VARIANT);
    case VT_ARRAY | VT_UI1:
      return fromArray(V_ARRAY(&v), VT_UI1);
    default:
      break;
  }
  if (SUCCEEDED(VariantChangeType(&v, &v, 0, VT_I4))) {
    return ShellValue(static_cast<std::int32_t>(V_I4(&v)));
  }
  if (SUCCEEDED(VariantChangeType(&v, &v, 0, VT_BSTR))) return ShellValue(textOf(V_BSTR(&v)));
  return std::nullopt;
}

bool sameText(std::string_view a, std::string_view b) {
  return CompareStringOrdinal(toWide(a).c_str(), -1, toWide(b).c_str(), -1, TRUE) == CSTR_EQUAL;
}

}  // namespace

Win32ScriptingShell::Win32ScriptingShell(RegistryChangeWatch* watch) : reads_(watch) {}
Win32ScriptingShell::~Win32ScriptingShell() = default;

Win32ScriptingShell::ShellObject& Win32ScriptingShell::shell() {
  // An object of another thread's apartment cannot be called from this one; one that could not
  // be made is tried again, as the shell may have been registered meanwhile.
  if (shell_ == nullptr || !shell_->created() || shell_->thread() != GetCurrentThreadId()) {
    shell_ = std::make_unique<ShellObject>();
  }
  return *shell_;
}

bool Win32ScriptingShell::keepsRead(const std::string& path) {
  constexpr std::string_view kCurrentUser = "HKEY_CURRENT_USER\\";
  constexpr std::string_view kShortCurrentUser = "HKCU\\";
  const auto startsWith = [&path](std::string_view root) {
    return path.size() > root.size() && sameText(path.substr(0, root.size()), root);
  };
  return (startsWith(kCurrentUser) || startsWith(kShortCurrentUser)) && reads_.current();
}

bool Win32ScriptingShell::regWrite(const std::string& path, const ShellValue& value,
                                   const std::string& type) {
  reads_.drop();
  Variant name, data, typeName;
  Variant::setText(name.value, path);
  Variant::setText(typeName.value, type);
  if (const auto* text = std::get_if<std::string>(&value)) {
    Variant::setText(data.value, *text);
    if (sameText(type, "REG_DWORD")) {
      // A number for a number value: a text that is none fails the write, as in the shell.
      if (FAILED(VariantChangeTypeEx(&data.value, &data.value, LOCALE_INVARIANT, 0, VT_I4))) {
        return false;
      }
    }
  } else if (const auto* number = std::get_if<std::int32_t>(&value)) {
    V_VT(&data.value) = VT_I4;
    V_I4(&data.value) = *number;
  } else {
    return false;  // the program writes only texts and numbers
  }
  return shell().call(L"RegWrite", {&name.value, &data.value, &typeName.value}, nullptr);
}

std::optional<ShellValue> Win32ScriptingShell::regRead(const std::string& path) {
  if (!keepsRead(path)) return readThroughShell(path);
  if (const auto kept = reads_.values.find(path); kept != reads_.values.end()) {
    return kept->second;
  }
  std::optional<ShellValue> value = readThroughShell(path);
  // A shell that could not be made is tried again at the next read.
  if (shell().created()) reads_.values.emplace(path, value);
  return value;
}

std::optional<ShellValue> Win32ScriptingShell::readThroughShell(const std::string& path) {
  Variant name, result;
  Variant::setText(name.value, path);
  if (!shell().call(L"RegRead", {&name.value}, &result.value)) return std::nullopt;
  return fromVariant(result.value);
}

bool Win32ScriptingShell::regDelete(const std::string& path) {
  reads_.drop();
  Variant name;
  Variant::setText(name.value, path);
  return shell().call(L"RegDelete", {&name.value}, nullptr);
}

}  // namespace horalix::win32
