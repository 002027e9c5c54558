#include "fake_host.h"

#include <olectl.h>

namespace horalix::test {

FakeObject::~FakeObject() {
  for (auto& [name, value] : values_) VariantClear(&value);
}

VARIANT& FakeObject::slot(const std::wstring& name) {
  auto found = values_.find(name);
  if (found == values_.end()) {
    names_.push_back(name);
    found = values_.emplace(name, VARIANT{}).first;
    VariantInit(&found->second);
  }
  VariantClear(&found->second);
  return found->second;
}

void FakeObject::set(const std::wstring& name, const std::wstring& text) {
  VARIANT& value = slot(name);
  value.vt = VT_BSTR;
  value.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

void FakeObject::set(const std::wstring& name, long number) {
  VARIANT& value = slot(name);
  value.vt = VT_I4;
  value.lVal = number;
}

void FakeObject::set(const std::wstring& name, IDispatch* object) {
  VARIANT& value = slot(name);
  value.vt = VT_DISPATCH;
  value.pdispVal = object;
  if (object != nullptr) object->AddRef();
}

HRESULT FakeObject::QueryInterface(REFIID iid, void** out) {
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG FakeObject::AddRef() { return static_cast<ULONG>(++references_); }

ULONG FakeObject::Release() {
  const long left = --references_;
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT FakeObject::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

HRESULT FakeObject::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT FakeObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  HRESULT result = S_OK;
  for (UINT i = 0; i < count; ++i) {
    ids[i] = DISPID_UNKNOWN;
    for (std::size_t n = 0; n < names_.size(); ++n) {
      if (_wcsicmp(names_[n].c_str(), names[i]) == 0) ids[i] = static_cast<DISPID>(n + 1);
    }
    if (ids[i] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
  }
  return result;
}

HRESULT FakeObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                           EXCEPINFO*, UINT*) {
  if (id < 1 || static_cast<std::size_t>(id) > names_.size()) return DISP_E_MEMBERNOTFOUND;
  if ((flags & DISPATCH_PROPERTYGET) == 0 || result == nullptr) return DISP_E_MEMBERNOTFOUND;
  return VariantCopy(result, &values_[names_[id - 1]]);
}

FakeApplication::~FakeApplication() {
  for (auto& [cookie, sink] : sinks_) sink->Release();
}

void FakeApplication::fire(DISPID id, IDispatch* argument) {
  const auto sinks = sinks_;
  for (const auto& [cookie, sink] : sinks) {
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_DISPATCH;
    arg.pdispVal = argument;
    DISPPARAMS params = {&arg, nullptr, 1, 0};
    sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr,
                 nullptr);
  }
}

HRESULT FakeApplication::QueryInterface(REFIID iid, void** out) {
  if (IsEqualIID(iid, IID_IConnectionPointContainer)) {
    *out = static_cast<IConnectionPointContainer*>(this);
  } else if (IsEqualIID(iid, IID_IConnectionPoint)) {
    *out = static_cast<IConnectionPoint*>(this);
  } else {
    return FakeObject::QueryInterface(iid, out);
  }
  AddRef();
  return S_OK;
}

HRESULT FakeApplication::EnumConnectionPoints(IEnumConnectionPoints**) { return E_NOTIMPL; }

HRESULT FakeApplication::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
  *out = nullptr;
  if (!IsEqualIID(iid, events_)) return CONNECT_E_NOCONNECTION;
  *out = static_cast<IConnectionPoint*>(this);
  AddRef();
  return S_OK;
}

HRESULT FakeApplication::GetConnectionInterface(IID* iid) {
  *iid = events_;
  return S_OK;
}

HRESULT FakeApplication::GetConnectionPointContainer(IConnectionPointContainer** out) {
  *out = static_cast<IConnectionPointContainer*>(this);
  AddRef();
  return S_OK;
}

HRESULT FakeApplication::Advise(IUnknown* sink, DWORD* cookie) {
  IDispatch* events = nullptr;
  // A host hands its events to the sink through the event interface it asked to be advised on.
  if (FAILED(sink->QueryInterface(events_, reinterpret_cast<void**>(&events)))) {
    return CONNECT_E_CANNOTCONNECT;
  }
  *cookie = nextCookie_++;
  sinks_[*cookie] = events;
  return S_OK;
}

HRESULT FakeApplication::Unadvise(DWORD cookie) {
  const auto found = sinks_.find(cookie);
  if (found == sinks_.end()) return CONNECT_E_NOCONNECTION;
  found->second->Release();
  sinks_.erase(found);
  return S_OK;
}

HRESULT FakeApplication::EnumConnections(IEnumConnections**) { return E_NOTIMPL; }

// A shell object with no members: every verb the add-in asks for is an unknown name.
class FakeShellClass::Shell final : public FakeObject {
 public:
  explicit Shell(long& alive) : alive_(alive) { ++alive_; }
  ~Shell() override { --alive_; }

 private:
  long& alive_;
};

FakeShellClass::FakeShellClass() {
  CLSID clsid;
  if (FAILED(CLSIDFromProgID(L"WScript.Shell", &clsid)) ||
      FAILED(
          CoRegisterClassObject(clsid, this, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_))) {
    cookie_ = 0;
  }
}

FakeShellClass::~FakeShellClass() {
  if (cookie_ != 0) CoRevokeClassObject(cookie_);
}

HRESULT FakeShellClass::QueryInterface(REFIID iid, void** out) {
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
    *out = static_cast<IClassFactory*>(this);
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT FakeShellClass::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
  *out = nullptr;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  auto* shell = new Shell(alive_);
  ++made_;
  const HRESULT result = shell->QueryInterface(iid, out);
  shell->Release();
  return result;
}

}  // namespace horalix::test
