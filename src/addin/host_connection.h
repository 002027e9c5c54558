// One add-in instance as a host sees it: connected with the host application, asked for its
// ribbon, told of document and slide-show events, disconnected. The COM classes forward to it;
// nothing here lets an error reach the host.
#pragma once

#include <string>

#include "addin/addin_services.h"

namespace horalix::addin {

class HostConnection {
 public:
  HostConnection(AddinServices& services, HostKind kind) : services_(services), kind_(kind) {}

  HostKind kind() const { return kind_; }
  // The host application held while connected; nullptr before and after.
  HostApplication* host() const { return host_; }

  // Holds the host (nullptr when it is not an application of this kind) and announces the
  // add-in with clockopen. No action gate here.
  void OnConnection(HostApplication* host);
  // Withdraws the values of this host and lets the host go.
  void OnDisconnection();
  // The ribbon text of this kind, "" when it cannot be built.
  std::string GetCustomUI() const;

  // The host's events, with the document's name as the host reports it.
  void DocumentOpen(const std::string& name);
  void SlideShowBegin(HostApplication& showHost);
  void SlideShowEnd(HostApplication* showHost);
  void buttonClicked(const std::string& controlId);

 private:
  // Runs one step; a step that throws is passed over, as the host must never see an error.
  template <typename Step>
  void guarded(Step step) const;

  AddinServices& services_;
  HostKind kind_;
  HostApplication* host_ = nullptr;
};

}  // namespace horalix::addin
