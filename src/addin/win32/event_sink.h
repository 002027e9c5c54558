// The object that listens to a host application's document and slide-show events: subscribed
// on the application's connection point for the host's event interface while the add-in is
// connected, and passing each event to the add-in's connection for that kind of host.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>

#include "addin/addin_services.h"
#include "addin/win32/com_object.h"

namespace horalix::addin::win32 {

class EventSink final : public ComObject<EventSink, IDispatch> {
 public:
  // Subscribes to `application`'s events (nothing happens when it has no such source).
  static EventSink* create(HostKind kind, IDispatch* application);
  // Ends the subscription and drops the creator's reference.
  void close();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO*, UINT*) override;

 private:
  friend class ComObject<EventSink, IDispatch>;
  explicit EventSink(HostKind kind) : kind_(kind) {}
  ~EventSink() = default;
  void handle(DISPID id, IDispatch* argument);

  HostKind kind_;
  IConnectionPoint* source_ = nullptr;
  DWORD cookie_ = 0;
};

// The event interface the host application of this kind sources.
const IID& hostEventInterface(HostKind kind);

}  // namespace horalix::addin::win32
