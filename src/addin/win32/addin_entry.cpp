// COM entry points of Horalink32.dll, the Office/WPS add-in. For now the library offers no
// class: every class request is refused, registration does nothing, and the library can always
// be unloaded. The add-in's classes and their registration come in here.
#include <windows.h>
#include <objbase.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID, REFIID, LPVOID* object) {
  if (object != nullptr) *object = nullptr;
  return CLASS_E_CLASSNOTAVAILABLE;
}

STDAPI DllCanUnloadNow() { return S_OK; }

STDAPI DllRegisterServer() { return S_OK; }

STDAPI DllUnregisterServer() { return S_OK; }
