#include "addin/win32/event_sink.h"

#include "addin/win32/addin_module.h"
#include "addin/win32/com_interfaces.h"
#include "addin/win32/dispatch_calls.h"

namespace horalix::addin::win32 {

const IID& hostEventInterface(HostKind kind) {
  switch (kind) {
    case HostKind::WordProcessor:
      return DIID_ApplicationEvents4;
    case HostKind::Spreadsheet:
      return DIID_AppEvents;
    case HostKind::Presentation:
      break;
  }
  return DIID_EApplication;
}

EventSink* EventSink::create(HostKind kind, IDispatch* application) {
  auto* sink = new EventSink(kind);
  IConnectionPointContainer* container = nullptr;
  if (application != nullptr &&
      SUCCEEDED(application->QueryInterface(IID_IConnectionPointContainer,
                                            reinterpret_cast<void**>(&container)))) {
    IConnectionPoint* point = nullptr;
    if (SUCCEEDED(container->FindConnectionPoint(hostEventInterface(kind), &point))) {
      if (SUCCEEDED(point->Advise(sink, &sink->cookie_))) {
        sink->source_ = point;
      } else {
        point->Release();
      }
    }
    container->Release();
  }
  return sink;
}

void EventSink::close() {
  if (source_ != nullptr) {
    source_->Unadvise(cookie_);
    source_->Release();
    source_ = nullptr;
  }
  Release();
}

HRESULT EventSink::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
      IsEqualIID(iid, hostEventInterface(kind_))) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT EventSink::GetTypeInfoCount(UINT* count) {
  if (count != nullptr) *count = 0;
  return S_OK;
}

HRESULT EventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT EventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                          EXCEPINFO*, UINT*) {
  if (result != nullptr) VariantInit(result);
  // Every event argument the add-in reads is the first (and only) one: the document, workbook,
  // presentation or slide-show window.
  IDispatch* argument = nullptr;
  if (params != nullptr && params->cArgs >= 1) {
    argument = objectArgument(params->rgvarg[params->cArgs - 1]);
  }
  return hostCall([&] { handle(id, argument); });
}

void EventSink::handle(DISPID id, IDispatch* argument) {
  HostConnection& connection = *stateOf(kind_).connection;
  const bool opened = (kind_ == HostKind::WordProcessor && id == host_event::DocumentOpen) ||
                      (kind_ == HostKind::Spreadsheet && id == host_event::WorkbookOpen) ||
                      (kind_ == HostKind::Presentation && id == host_event::PresentationOpen);
  if (opened) {
    connection.DocumentOpen(textProperty(argument, L"Name").value_or(""));
    return;
  }
  if (kind_ != HostKind::Presentation) return;
  if (id == host_event::SlideShowBegin || id == host_event::SlideShowEnd) {
    // The application of the show's window, or of the presentation whose show ended.
    IDispatch* application = objectProperty(argument, L"Application");
    DispatchHost showHost(application);
    if (application != nullptr) application->Release();
    if (id == host_event::SlideShowBegin) {
      connection.SlideShowBegin(showHost);
    } else {
      connection.SlideShowEnd(showHost.application() != nullptr ? &showHost : nullptr);
    }
  }
}

}  // namespace horalix::addin::win32
