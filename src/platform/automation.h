// Late-bound automation of another program's objects: an object is reached by its ProgID, as a
// running instance or a new one, and its members are called by name, as a script would write
// them ("Workbooks.Add", "Range(Cells(1, 1), Cells(3, 6)).Value = table"). The statistics
// export drives the spreadsheet application this way.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace horalix::platform {

class AutomationObject;

// One cell of a table handed over whole: a number or a text.
using AutomationCell = std::variant<std::int32_t, std::string>;

// A two-dimensional table, rows of cells; every row has the same number of cells.
struct AutomationTable {
  std::vector<std::vector<AutomationCell>> rows;

  std::size_t columnCount() const { return rows.empty() ? 0 : rows.front().size(); }
  bool operator==(const AutomationTable&) const = default;
};

// An argument or an assigned value: nothing, a flag, a number, a text, a table, or an object
// that an earlier call returned.
using AutomationValue = std::variant<std::monostate, bool, std::int32_t, std::string,
                                     AutomationTable, std::shared_ptr<AutomationObject>>;

// The error a failing call raises, with the runtime's error number and its description.
struct AutomationError {
  // The component cannot create the object: no such class, or no running instance of it.
  static constexpr std::int32_t kCannotCreateObject = 429;

  std::int32_t number = 0;
  std::string description;
};

// What a call answers: the error it raised, or else the object it returned (none when the
// member returns no object).
struct AutomationReply {
  std::optional<AutomationError> error;
  std::shared_ptr<AutomationObject> object;

  bool ok() const { return !error; }
};

class AutomationObject {
 public:
  virtual ~AutomationObject() = default;
  // Reads a property or calls a method: `object.Member(args)`.
  virtual AutomationReply get(std::string_view member,
                              const std::vector<AutomationValue>& args = {}) = 0;
  // Assigns a property: `object.Member(args) = value`.
  virtual AutomationReply put(std::string_view member, const std::vector<AutomationValue>& args,
                              const AutomationValue& value) = 0;
};

class Automation {
 public:
  virtual ~Automation() = default;
  // The running instance of the class (a script's GetObject(, progId)); error 429 when none
  // runs or the class is not registered.
  virtual AutomationReply running(const std::string& progId) = 0;
  // A new instance (CreateObject(progId)); error 429 when the class is not registered.
  virtual AutomationReply create(const std::string& progId) = 0;
};

}  // namespace horalix::platform
