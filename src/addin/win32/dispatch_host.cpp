#include "addin/win32/dispatch_host.h"

#include "addin/win32/dispatch_calls.h"

namespace horalix::addin::win32 {

namespace {

// Reads a property of the object that a property of `object` holds.
template <typename Read>
auto throughObject(IDispatch* object, const wchar_t* holder, Read read) -> decltype(read(object)) {
  IDispatch* inner = objectProperty(object, holder);
  if (inner == nullptr) return std::nullopt;
  auto result = read(inner);
  inner->Release();
  return result;
}

}  // namespace

DispatchHost::DispatchHost(IDispatch* application) : application_(application) {
  if (application_ != nullptr) application_->AddRef();
}

DispatchHost::~DispatchHost() {
  if (application_ != nullptr) application_->Release();
}

std::optional<std::string> DispatchHost::path() { return textProperty(application_, L"Path"); }

std::optional<int> DispatchHost::slideShowWindowCount() {
  return throughObject(application_, L"SlideShowWindows",
                       [](IDispatch* windows) { return numberProperty(windows, L"Count"); });
}

std::optional<std::string> DispatchHost::activePresentationName() {
  return throughObject(application_, L"ActivePresentation",
                       [](IDispatch* presentation) { return textProperty(presentation, L"Name"); });
}

}  // namespace horalix::addin::win32
