#include "addin/win32/dispatch_calls.h"

#include "platform/win32/wide_text.h"

namespace horalix::addin::win32 {

bool getProperty(IDispatch* object, const wchar_t* name, OwnedVariant& out) {
  if (object == nullptr) return false;
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  return SUCCEEDED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                                  &out.value, nullptr, nullptr));
}

std::optional<std::string> textProperty(IDispatch* object, const wchar_t* name) {
  OwnedVariant value;
  if (!getProperty(object, name, value)) return std::nullopt;
  if (FAILED(VariantChangeType(&value.value, &value.value, 0, VT_BSTR))) return std::nullopt;
  const BSTR text = value.value.bstrVal;
  return horalix::win32::toUtf8(std::wstring_view(text ? text : L"", SysStringLen(text)));
}

std::optional<int> numberProperty(IDispatch* object, const wchar_t* name) {
  OwnedVariant value;
  if (!getProperty(object, name, value)) return std::nullopt;
  if (FAILED(VariantChangeType(&value.value, &value.value, 0, VT_I4))) return std::nullopt;
  return static_cast<int>(value.value.lVal);
}

IDispatch* objectProperty(IDispatch* object, const wchar_t* name) {
  OwnedVariant value;
  if (!getProperty(object, name, value)) return nullptr;
  IDispatch* result = objectArgument(value.value);
  if (result != nullptr) result->AddRef();
  return result;
}

IDispatch* objectArgument(const VARIANT& argument) {
  if (argument.vt == VT_DISPATCH) return argument.pdispVal;
  if (argument.vt == (VT_DISPATCH | VT_BYREF) && argument.ppdispVal != nullptr) {
    return *argument.ppdispVal;
  }
  return nullptr;
}

}  // namespace horalix::addin::win32
