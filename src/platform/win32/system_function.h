// A function of a system library looked up at run time, for functions that not every Windows
// (or Wine) has. The library stays loaded for the life of the process.
#pragma once

#include <windows.h>

namespace horalix::win32 {

// Null when the library or the function is missing.
template <class Function>
Function systemFunction(const wchar_t* library, const char* name) {
  HMODULE module = GetModuleHandleW(library);
  if (module == nullptr) module = LoadLibraryW(library);
  FARPROC proc = module != nullptr ? GetProcAddress(module, name) : nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(proc));
}

}  // namespace horalix::win32
