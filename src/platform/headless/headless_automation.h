// Automation as a record: the classes a test installs or starts, and every call made on their
// objects written as a script would write it, so that a test compares the calls with the ones
// the program must make. Calls succeed unless the test names one to fail.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/automation.h"

namespace horalix::platform {

class HeadlessAutomation final : public Automation {
 public:
  AutomationReply running(const std::string& progId) override;
  AutomationReply create(const std::string& progId) override;

  // A class that can be created; one that also runs already (and can be attached to).
  void install(const std::string& progId) { installed_.insert(progId); }
  void startInstance(const std::string& progId);
  // The call written so (as calls() shows it) raises this error.
  void failOn(const std::string& call, AutomationError error) { failures_[call] = error; }

  // Every call in order: "GetObject(, \"P\")", "CreateObject(\"P\")", then the members, each
  // with its object's path from the class: "P.Workbooks", "P.Workbooks.Add",
  // "P.Worksheets(\"sheet1\").Name = \"sheet1\"". An object argument is written as its path, a
  // table as "<table R x C>". A call that failed ends in " -> error N".
  const std::vector<std::string>& calls() const { return calls_; }
  // The tables assigned, in order.
  const std::vector<AutomationTable>& tablesAssigned() const { return tables_; }

  // Records one call of an object; the reply fails when the test said so.
  AutomationReply record(std::string call, const AutomationValue* assigned, std::string childPath);

 private:
  AutomationReply reach(const std::string& call, bool there, const std::string& progId);

  std::set<std::string> installed_, running_;
  std::map<std::string, AutomationError> failures_;
  std::vector<std::string> calls_;
  std::vector<AutomationTable> tables_;
};

}  // namespace horalix::platform
