// Late-bound reads of host objects through IDispatch: a property by name, as text, as a number
// or as another object. Any failure gives nullopt or nullptr, never an exception.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <optional>
#include <string>

namespace horalix::addin::win32 {

// A VARIANT that clears itself.
struct OwnedVariant {
  VARIANT value;
  OwnedVariant() { VariantInit(&value); }
  ~OwnedVariant() { VariantClear(&value); }
  OwnedVariant(const OwnedVariant&) = delete;
  OwnedVariant& operator=(const OwnedVariant&) = delete;
};

bool getProperty(IDispatch* object, const wchar_t* name, OwnedVariant& out);
std::optional<std::string> textProperty(IDispatch* object, const wchar_t* name);
std::optional<int> numberProperty(IDispatch* object, const wchar_t* name);
// The object the property holds, with a reference the caller releases; nullptr when none.
IDispatch* objectProperty(IDispatch* object, const wchar_t* name);
// The object an event argument carries (by value or by reference); not AddRef'ed.
IDispatch* objectArgument(const VARIANT& argument);

}  // namespace horalix::addin::win32
