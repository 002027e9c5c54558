#include "platform/headless/headless_automation.h"

#include <utility>

namespace horalix::platform {

namespace {

// An object of a recorded class: its calls go to the record under its path.
class RecordedObject final : public AutomationObject {
 public:
  RecordedObject(HeadlessAutomation& record, std::string path)
      : record_(record), path_(std::move(path)) {}

  const std::string& path() const { return path_; }

  AutomationReply get(std::string_view member, const std::vector<AutomationValue>& args) override {
    std::string call = written(member, args);
    return record_.record(call, nullptr, call);
  }

  AutomationReply put(std::string_view member, const std::vector<AutomationValue>& args,
                      const AutomationValue& value) override {
    return record_.record(written(member, args) + " = " + text(value), &value, "");
  }

  static std::string text(const AutomationValue& value) {
    if (std::holds_alternative<std::monostate>(value)) return "Empty";
    if (const auto* flag = std::get_if<bool>(&value)) return *flag ? "True" : "False";
    if (const auto* number = std::get_if<std::int32_t>(&value)) return std::to_string(*number);
    if (const auto* words = std::get_if<std::string>(&value)) return "\"" + *words + "\"";
    if (const auto* table = std::get_if<AutomationTable>(&value)) {
      return "<table " + std::to_string(table->rows.size()) + " x " +
             std::to_string(table->columnCount()) + ">";
    }
    const auto& object = std::get<std::shared_ptr<AutomationObject>>(value);
    const auto* recorded = dynamic_cast<const RecordedObject*>(object.get());
    return recorded != nullptr ? recorded->path() : "<object>";
  }

 private:
  std::string written(std::string_view member, const std::vector<AutomationValue>& args) const {
    std::string call = path_ + "." + std::string(member);
    if (args.empty()) return call;
    call += "(";
    for (std::size_t i = 0; i < args.size(); ++i) call += (i ? ", " : "") + text(args[i]);
    return call + ")";
  }

  HeadlessAutomation& record_;
  std::string path_;
};

}  // namespace

void HeadlessAutomation::startInstance(const std::string& progId) {
  installed_.insert(progId);
  running_.insert(progId);
}

AutomationReply HeadlessAutomation::record(std::string call, const AutomationValue* assigned,
                                           std::string childPath) {
  AutomationReply reply;
  if (auto failure = failures_.find(call); failure != failures_.end()) {
    reply.error = failure->second;
    calls_.push_back(call + " -> error " + std::to_string(failure->second.number));
    return reply;
  }
  calls_.push_back(std::move(call));
  if (assigned != nullptr) {
    if (const auto* table = std::get_if<AutomationTable>(assigned)) tables_.push_back(*table);
  }
  if (!childPath.empty()) reply.object = std::make_shared<RecordedObject>(*this, childPath);
  return reply;
}

// A class that is not there (or has no running instance) raises 429, unless the test named
// another outcome for the call.
AutomationReply HeadlessAutomation::reach(const std::string& call, bool there,
                                          const std::string& progId) {
  if (there || failures_.count(call) != 0) return record(call, nullptr, progId);
  AutomationReply reply;
  reply.error = AutomationError{AutomationError::kCannotCreateObject,
                                "ActiveX component can't create object"};
  calls_.push_back(call + " -> error 429");
  return reply;
}

AutomationReply HeadlessAutomation::running(const std::string& progId) {
  return reach("GetObject(, \"" + progId + "\")", running_.count(progId) != 0, progId);
}

AutomationReply HeadlessAutomation::create(const std::string& progId) {
  return reach("CreateObject(\"" + progId + "\")", installed_.count(progId) != 0, progId);
}

}  // namespace horalix::platform
