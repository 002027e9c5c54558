// COM entry points of Horalink32.dll, the Office/WPS add-in: the class factories of its three
// add-in classes, self-registration, and whether the library may be unloaded.
#include <windows.h>
#include <initguid.h>  // defines, in this one file, the identifiers that horalink_h.h declares
#include <objbase.h>
#include <olectl.h>

#include <new>

#include "addin/com_registration.h"
#include "addin/win32/addin_class.h"
#include "addin/win32/addin_module.h"
#include "addin/win32/com_interfaces.h"
#include "addin/win32/com_object.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_registry.h"

namespace {

using horalix::addin::HostKind;
namespace addin32 = horalix::addin::win32;

class ClassFactory final : public addin32::ComObject<ClassFactory, IClassFactory> {
 public:
  explicit ClassFactory(HostKind kind) : kind_(kind) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
      *out = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    return addin32::createAddinObject(kind_, iid, out);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    addin32::lockServer(lock != FALSE);
    return S_OK;
  }

 private:
  HostKind kind_;
};

std::string modulePath() { return horalix::win32::toUtf8(addin32::modulePath()); }

constexpr bool kWin64 = sizeof(void*) == 8;

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    addin32::setModuleHandle(instance);
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  HostKind kind;
  if (IsEqualCLSID(clsid, CLSID_OfficeWd)) {
    kind = HostKind::WordProcessor;
  } else if (IsEqualCLSID(clsid, CLSID_OfficeET)) {
    kind = HostKind::Spreadsheet;
  } else if (IsEqualCLSID(clsid, CLSID_OfficePT)) {
    kind = HostKind::Presentation;
  } else {
    return CLASS_E_CLASSNOTAVAILABLE;
  }
  auto* factory = new (std::nothrow) ClassFactory(kind);
  if (factory == nullptr) return E_OUTOFMEMORY;
  const HRESULT result = factory->QueryInterface(iid, out);
  factory->Release();
  return result;
}

STDAPI DllCanUnloadNow() { return addin32::canUnload() ? S_OK : S_FALSE; }

STDAPI DllRegisterServer() {
  horalix::win32::Win32Registry registry;
  return horalix::addin::registerServer(registry, modulePath(), kWin64) ? S_OK : SELFREG_E_CLASS;
}

STDAPI DllUnregisterServer() {
  horalix::win32::Win32Registry registry;
  horalix::addin::unregisterServer(registry, modulePath(), kWin64);
  return S_OK;
}
