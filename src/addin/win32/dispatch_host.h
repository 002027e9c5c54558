// A host application reached through its automation object: installation path, slide-show
// window count and active presentation, read late-bound by their names, which the Office and
// WPS hosts share.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "addin/addin_services.h"

namespace horalix::addin::win32 {

class DispatchHost final : public HostApplication {
 public:
  // Holds a reference to `application` (which may be nullptr: every call then fails).
  explicit DispatchHost(IDispatch* application);
  ~DispatchHost() override;
  DispatchHost(const DispatchHost&) = delete;
  DispatchHost& operator=(const DispatchHost&) = delete;

  IDispatch* application() const { return application_; }

  std::optional<std::string> path() override;
  std::optional<int> slideShowWindowCount() override;
  std::optional<std::string> activePresentationName() override;

 private:
  IDispatch* application_;
};

}  // namespace horalix::addin::win32
