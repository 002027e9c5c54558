#include "services/run_state_record.h"

#include "services/option_names.h"

namespace horalix {

void RunState::Binding::bindManual() {
  kind_ = BindingKind::Manual;
  document_.clear();
}

void RunState::Binding::bindDocument(const std::string& name) {
  kind_ = BindingKind::Document;
  document_ = name;
}

void RunState::Binding::unbind() {
  kind_ = BindingKind::None;
  document_.clear();
}

std::string RunState::Binding::text() const {
  switch (kind_) {
    case BindingKind::Initial:
      return "0";
    case BindingKind::None:
      return "";
    case BindingKind::Manual:
      return kManual;
    case BindingKind::Document:
      return document_;
  }
  return "";
}

bool runBound(const RunState& run) {
  const BindingKind kind = run.binding.kind();
  return kind == BindingKind::Manual || kind == BindingKind::Document;
}

bool runCounts(const RunState& run, const SettingsBlock& settings) {
  return runBound(run) && optionOn(settings.checkvalue, CheckFlag::TimedDuration);
}

}  // namespace horalix
