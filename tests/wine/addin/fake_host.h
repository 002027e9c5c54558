// A fake office host for the add-in: automation objects with named properties, and an
// application object that sources one event interface through a connection point.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <oleauto.h>

#include <map>
#include <string>
#include <vector>

namespace horalix::test {

// An automation object whose properties the test sets: texts, numbers and other objects.
class FakeObject : public IDispatch {
 public:
  FakeObject() = default;
  virtual ~FakeObject();

  void set(const std::wstring& name, const std::wstring& text);
  void set(const std::wstring& name, long number);
  void set(const std::wstring& name, IDispatch* object);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*,
                                   VARIANT* result, EXCEPINFO*, UINT*) override;

 protected:
  long references_ = 1;

 private:
  VARIANT& slot(const std::wstring& name);
  std::vector<std::wstring> names_;
  std::map<std::wstring, VARIANT> values_;
};

// A host application: its properties, and the connection point of its event interface.
class FakeApplication final : public FakeObject,
                              public IConnectionPointContainer,
                              public IConnectionPoint {
 public:
  explicit FakeApplication(const IID& events) : events_(events) {}
  ~FakeApplication() override;

  // Calls the event on every subscribed sink with one object argument.
  void fire(DISPID id, IDispatch* argument);
  std::size_t sinks() const { return sinks_.size(); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return FakeObject::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return FakeObject::Release(); }

  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;

  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer**) override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override;

 private:
  IID events_;
  std::map<DWORD, IDispatch*> sinks_;
  DWORD nextCookie_ = 1;
};

// Stands in, in this process only, for the scripting shell's class ("WScript.Shell") while it
// exists: every shell object it makes refuses every verb, so that the add-in takes the registry
// functions instead, and the test can see how many of those objects are still alive.
class FakeShellClass final : public IClassFactory {
 public:
  FakeShellClass();
  ~FakeShellClass();
  FakeShellClass(const FakeShellClass&) = delete;
  FakeShellClass& operator=(const FakeShellClass&) = delete;

  bool registered() const { return cookie_ != 0; }
  long made() const { return made_; }
  long alive() const { return alive_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

 private:
  class Shell;
  DWORD cookie_ = 0;
  long made_ = 0;
  long alive_ = 0;
};

}  // namespace horalix::test
