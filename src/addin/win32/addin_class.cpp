#include "addin/win32/addin_class.h"

#include <string>

#include "addin/ribbon_definition.h"
#include "addin/win32/addin_module.h"
#include "addin/win32/com_object.h"
#include "addin/win32/dispatch_calls.h"
#include "addin/win32/dispatch_face.h"
#include "addin/win32/event_sink.h"
#include "platform/win32/wide_text.h"

namespace horalix::addin::win32 {

namespace {

// The bitmap resource as a picture object that owns the bitmap; nullptr when it cannot be made.
IPictureDisp* bitmapPicture(int resource) {
  HANDLE bitmap = LoadImageW(moduleHandle(), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0,
                             LR_CREATEDIBSECTION);
  if (bitmap == nullptr) return nullptr;
  PICTDESC description{};
  description.cbSizeofstruct = sizeof(description);
  description.picType = PICTYPE_BITMAP;
  description.bmp.hbitmap = static_cast<HBITMAP>(bitmap);
  IPictureDisp* picture = nullptr;
  if (FAILED(OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE,
                                      reinterpret_cast<void**>(&picture)))) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return picture;
}

template <typename DefaultInterface>
class AddinClass final
    : public ComObject<AddinClass<DefaultInterface>, DispatchFace<DefaultInterface>,
                       DispatchFace<IRibbonExtensibility>, DispatchFace<_IDTExtensibility2>> {
 public:
  explicit AddinClass(HostKind kind) : kind_(kind) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, __uuidof(DefaultInterface))) {
      *out = static_cast<DefaultInterface*>(this);
    } else if (IsEqualIID(iid, IID_IRibbonExtensibility)) {
      *out = static_cast<IRibbonExtensibility*>(this);
    } else if (IsEqualIID(iid, IID__IDTExtensibility2)) {
      *out = static_cast<_IDTExtensibility2*>(this);
    } else {
      return E_NOINTERFACE;
    }
    this->AddRef();
    return S_OK;
  }

  // The default interface: the ribbon's callbacks.
  HRESULT STDMETHODCALLTYPE IRibbonExtensibility_GetCustomUI(BSTR ribbonId, BSTR* xml) override {
    return GetCustomUI(ribbonId, xml);
  }
  HRESULT STDMETHODCALLTYPE GetImage(IDispatch* control, IPictureDisp** image) override {
    if (image == nullptr) return E_POINTER;
    *image = nullptr;
    return hostCall([&] {
      const auto id = textProperty(control, L"Id");
      if (!id) return;
      if (const auto bitmap = addin::GetImage(*id)) *image = bitmapPicture(*bitmap);
    });
  }
  HRESULT STDMETHODCALLTYPE mybuttons(IDispatch* control) override {
    return hostCall([&] {
      if (const auto id = textProperty(control, L"Id")) connection().buttonClicked(*id);
    });
  }

  // IRibbonExtensibility: the ribbon text whatever ribbon the host asks for.
  HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR, BSTR* xml) override {
    if (xml == nullptr) return E_POINTER;
    *xml = nullptr;
    return hostCall([&] {
      const std::wstring text = horalix::win32::toWide(connection().GetCustomUI());
      *xml = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    });
  }

  // _IDTExtensibility2
  HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, ext_ConnectMode, IDispatch*,
                                         SAFEARRAY**) override {
    return hostCall([&] {
      HostState& state = stateOf(kind_);
      disconnect(state);
      IDispatch* host = nullptr;
      if (application != nullptr) {
        application->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&host));
      }
      state.host = std::make_unique<DispatchHost>(host);
      if (host != nullptr) host->Release();
      state.connection->OnConnection(state.host->application() ? state.host.get() : nullptr);
      state.sink = EventSink::create(kind_, state.host->application());
    });
  }
  HRESULT STDMETHODCALLTYPE OnDisconnection(ext_DisconnectMode, SAFEARRAY**) override {
    return hostCall([&] {
      HostState& state = stateOf(kind_);
      state.connection->OnDisconnection();
      disconnect(state);
    });
  }
  HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY**) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY**) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY**) override { return S_OK; }

 private:
  HostConnection& connection() { return *stateOf(kind_).connection; }

  // Ends the subscription, then lets the host application go.
  static void disconnect(HostState& state) {
    if (state.sink != nullptr) {
      state.sink->close();
      state.sink = nullptr;
    }
    state.host.reset();
  }

  HostKind kind_;
};

template <typename DefaultInterface>
HRESULT create(HostKind kind, REFIID iid, void** out) {
  auto* object = new (std::nothrow) AddinClass<DefaultInterface>(kind);
  if (object == nullptr) return E_OUTOFMEMORY;
  const HRESULT result = object->QueryInterface(iid, out);
  object->Release();
  return result;
}

}  // namespace

HRESULT createAddinObject(HostKind kind, REFIID iid, void** out) {
  switch (kind) {
    case HostKind::WordProcessor:
      return create<_OfficeWd>(kind, iid, out);
    case HostKind::Spreadsheet:
      return create<_OfficeET>(kind, iid, out);
    case HostKind::Presentation:
      break;
  }
  return create<_OfficePT>(kind, iid, out);
}

}  // namespace horalix::addin::win32
