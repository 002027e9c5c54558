// One IDispatch of an object that implements several dual interfaces. Each interface of the
// add-in classes answers calls by name from its own type information: a host that reaches the
// class through the connection interface finds OnConnection there, through the ribbon interface
// GetCustomUI, and through the default interface the ribbon callbacks.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <oleauto.h>

#include "addin/win32/addin_module.h"

namespace horalix::addin::win32 {

template <typename Face>
class DispatchFace : public Face {
 public:
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = typeInfo() != nullptr ? 1 : 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    if (info == nullptr) return E_POINTER;
    *info = index == 0 ? typeInfo() : nullptr;
    if (*info == nullptr) return DISP_E_BADINDEX;
    (*info)->AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    ITypeInfo* info = typeInfo();
    if (info == nullptr) return E_UNEXPECTED;
    return DispGetIDsOfNames(info, names, count, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception,
                                   UINT* argumentError) override {
    ITypeInfo* info = typeInfo();
    if (info == nullptr) return E_UNEXPECTED;
    return DispInvoke(static_cast<Face*>(this), info, id, flags, params, result, exception,
                      argumentError);
  }

 private:
  static ITypeInfo* typeInfo() { return typeInfoOf(__uuidof(Face)); }
};

}  // namespace horalix::addin::win32
