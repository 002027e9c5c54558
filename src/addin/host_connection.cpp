#include "addin/host_connection.h"

#include <exception>

#include "addin/handover_values.h"
#include "addin/ribbon_definition.h"

namespace horalix::addin {

template <typename Step>
void HostConnection::guarded(Step step) const {
  try {
    step();
  } catch (const std::exception&) {
  }
}

void HostConnection::OnConnection(HostApplication* host) {
  host_ = host;
  guarded([&] { announceAddin(services_); });
}

void HostConnection::OnDisconnection() {
  guarded([&] { withdrawHostValues(services_, kind_); });
  host_ = nullptr;
}

std::string HostConnection::GetCustomUI() const {
  try {
    return ribbonDefinition(services_, kind_, host_);
  } catch (const std::exception&) {
    return "";
  }
}

void HostConnection::DocumentOpen(const std::string& name) {
  guarded([&] { PublishDocumentName(services_, kind_, name); });
}

void HostConnection::SlideShowBegin(HostApplication& showHost) {
  guarded([&] { publishSlideShow(services_, showHost); });
}

void HostConnection::SlideShowEnd(HostApplication* showHost) {
  guarded([&] { withdrawSlideShow(services_, showHost, host_); });
}

void HostConnection::buttonClicked(const std::string& controlId) {
  guarded([&] { mybuttons(services_, controlId); });
}

}  // namespace horalix::addin
