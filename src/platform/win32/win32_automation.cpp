#include "platform/win32/win32_automation.h"

#include <windows.h>
#include <oleauto.h>

#include <utility>

#include "platform/win32/com_apartment.h"
#include "platform/win32/wide_text.h"

namespace horalix::win32 {

using platform::AutomationError;
using platform::AutomationReply;
using platform::AutomationValue;

namespace {

constexpr char kCannotCreate[] = "ActiveX component can't create object";

AutomationReply failure(std::int32_t number, std::string description) {
  AutomationReply reply;
  reply.error = AutomationError{number, std::move(description)};
  return reply;
}

// The description of a failed call: the object's own words when it gave some, else the
// system's text for the result code.
std::string describe(HRESULT hr, const EXCEPINFO& error) {
  if (error.bstrDescription != nullptr) {
    return toUtf8(std::wstring_view(error.bstrDescription, SysStringLen(error.bstrDescription)));
  }
  wchar_t* text = nullptr;
  FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  std::string described = text != nullptr ? toUtf8(text) : "Automation error";
  LocalFree(text);
  return described;
}

class DispatchObject final : public platform::AutomationObject {
 public:
  explicit DispatchObject(IDispatch* dispatch) : dispatch_(dispatch) {}
  ~DispatchObject() override { dispatch_->Release(); }
  DispatchObject(const DispatchObject&) = delete;
  DispatchObject& operator=(const DispatchObject&) = delete;

  IDispatch* dispatch() const { return dispatch_; }

  AutomationReply get(std::string_view member, const std::vector<AutomationValue>& args) override {
    return invoke(member, args, nullptr);
  }

  AutomationReply put(std::string_view member, const std::vector<AutomationValue>& args,
                      const AutomationValue& value) override {
    return invoke(member, args, &value);
  }

 private:
  AutomationReply invoke(std::string_view member, const std::vector<AutomationValue>& args,
                         const AutomationValue* assigned);

  IDispatch* dispatch_;
};

// Fills a variant from a value; the caller clears it.
bool toVariant(const AutomationValue& value, VARIANT& out);

bool cellToVariant(const platform::AutomationCell& cell, VARIANT& out) {
  if (const auto* number = std::get_if<std::int32_t>(&cell)) {
    V_VT(&out) = VT_I4;
    V_I4(&out) = *number;
    return true;
  }
  const std::wstring wide = toWide(std::get<std::string>(cell));
  V_VT(&out) = VT_BSTR;
  V_BSTR(&out) = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return V_BSTR(&out) != nullptr;
}

// A table becomes an array of variants indexed (row, column), both from 1, as a range takes it.
bool tableToVariant(const platform::AutomationTable& table, VARIANT& out) {
  SAFEARRAYBOUND bounds[2];
  bounds[0].lLbound = 1;
  bounds[0].cElements = static_cast<ULONG>(table.rows.size());
  bounds[1].lLbound = 1;
  bounds[1].cElements = static_cast<ULONG>(table.columnCount());
  SAFEARRAY* array = SafeArrayCreate(VT_VARIANT, 2, bounds);
  if (array == nullptr) return false;
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    for (std::size_t c = 0; c < table.rows[r].size() && c < table.columnCount(); ++c) {
      VARIANT cell;
      VariantInit(&cell);
      LONG index[2] = {static_cast<LONG>(r + 1), static_cast<LONG>(c + 1)};
      const bool filled = cellToVariant(table.rows[r][c], cell) &&
                          SUCCEEDED(SafeArrayPutElement(array, index, &cell));
      VariantClear(&cell);
      if (!filled) {
        SafeArrayDestroy(array);
        return false;
      }
    }
  }
  V_VT(&out) = VT_ARRAY | VT_VARIANT;
  V_ARRAY(&out) = array;
  return true;
}

bool toVariant(const AutomationValue& value, VARIANT& out) {
  VariantInit(&out);
  if (std::holds_alternative<std::monostate>(value)) return true;
  if (const auto* flag = std::get_if<bool>(&value)) {
    V_VT(&out) = VT_BOOL;
    V_BOOL(&out) = *flag ? VARIANT_TRUE : VARIANT_FALSE;
    return true;
  }
  if (const auto* number = std::get_if<std::int32_t>(&value)) return cellToVariant(*number, out);
  if (const auto* text = std::get_if<std::string>(&value)) return cellToVariant(*text, out);
  if (const auto* table = std::get_if<platform::AutomationTable>(&value)) {
    return tableToVariant(*table, out);
  }
  const auto* object = dynamic_cast<const DispatchObject*>(
      std::get<std::shared_ptr<platform::AutomationObject>>(value).get());
  if (object == nullptr) return false;
  object->dispatch()->AddRef();
  V_VT(&out) = VT_DISPATCH;
  V_DISPATCH(&out) = object->dispatch();
  return true;
}

AutomationReply DispatchObject::invoke(std::string_view member,
                                       const std::vector<AutomationValue>& args,
                                       const AutomationValue* assigned) {
  std::wstring name = toWide(member);
  LPOLESTR names[] = {name.data()};
  DISPID id = 0;
  HRESULT hr = dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return failure(438, "Object doesn't support this property or method");
  // IDispatch takes the arguments last to first; an assigned value goes before them all.
  std::vector<VARIANTARG> arguments;
  bool converted = true;
  if (assigned != nullptr) {
    arguments.emplace_back();
    converted = toVariant(*assigned, arguments.back());
  }
  for (auto it = args.rbegin(); converted && it != args.rend(); ++it) {
    arguments.emplace_back();
    converted = toVariant(*it, arguments.back());
  }
  AutomationReply reply;
  if (converted) {
    DISPID namedPut = DISPID_PROPERTYPUT;
    DISPPARAMS params{};
    params.rgvarg = arguments.data();
    params.cArgs = static_cast<UINT>(arguments.size());
    if (assigned != nullptr) {
      params.rgdispidNamedArgs = &namedPut;
      params.cNamedArgs = 1;
    }
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO error{};
    UINT badArgument = 0;
    const WORD flags =
        assigned != nullptr ? DISPATCH_PROPERTYPUT : DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    hr = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                           assigned != nullptr ? nullptr : &result, &error, &badArgument);
    if (FAILED(hr)) {
      if (hr == DISP_E_EXCEPTION && error.pfnDeferredFillIn != nullptr) {
        error.pfnDeferredFillIn(&error);
      }
      const HRESULT code = hr == DISP_E_EXCEPTION && FAILED(error.scode) ? error.scode : hr;
      reply.error = AutomationError{static_cast<std::int32_t>(code), describe(code, error)};
    } else if (V_VT(&result) == VT_DISPATCH && V_DISPATCH(&result) != nullptr) {
      V_DISPATCH(&result)->AddRef();
      reply.object = std::make_shared<DispatchObject>(V_DISPATCH(&result));
    }
    SysFreeString(error.bstrSource);
    SysFreeString(error.bstrDescription);
    SysFreeString(error.bstrHelpFile);
    VariantClear(&result);
  } else {
    reply.error = AutomationError{13, "Type mismatch"};
  }
  for (VARIANTARG& argument : arguments) VariantClear(&argument);
  return reply;
}

AutomationReply fromUnknown(IUnknown* unknown) {
  void* dispatch = nullptr;
  const HRESULT hr = unknown->QueryInterface(IID_IDispatch, &dispatch);
  unknown->Release();
  if (FAILED(hr)) return failure(AutomationError::kCannotCreateObject, kCannotCreate);
  AutomationReply reply;
  reply.object = std::make_shared<DispatchObject>(static_cast<IDispatch*>(dispatch));
  return reply;
}

}  // namespace

AutomationReply Win32Automation::running(const std::string& progId) {
  CLSID clsid;
  if (!ensureComApartment() || FAILED(CLSIDFromProgID(toWide(progId).c_str(), &clsid))) {
    return failure(AutomationError::kCannotCreateObject, kCannotCreate);
  }
  IUnknown* unknown = nullptr;
  if (FAILED(GetActiveObject(clsid, nullptr, &unknown)) || unknown == nullptr) {
    return failure(AutomationError::kCannotCreateObject, kCannotCreate);
  }
  return fromUnknown(unknown);
}

AutomationReply Win32Automation::create(const std::string& progId) {
  CLSID clsid;
  if (!ensureComApartment() || FAILED(CLSIDFromProgID(toWide(progId).c_str(), &clsid))) {
    return failure(AutomationError::kCannotCreateObject, kCannotCreate);
  }
  void* unknown = nullptr;
  const HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER | CLSCTX_INPROC_SERVER,
                                      IID_IUnknown, &unknown);
  if (FAILED(hr) || unknown == nullptr) {
    return failure(AutomationError::kCannotCreateObject, kCannotCreate);
  }
  return fromUnknown(static_cast<IUnknown*>(unknown));
}

}  // namespace horalix::win32
