#include "services/run_cells.h"

#include <string>

#include "services/text_runtime.h"

namespace horalix {

namespace {

int numberIn(const platform::Control& cell) { return static_cast<int>(Val(cell.Caption())); }

template <class Enum>
std::string textOf(Enum value) {
  return std::to_string(static_cast<int>(value));
}

}  // namespace

DocumentKind readDocumentKind(const platform::Control& cell) {
  return static_cast<DocumentKind>(numberIn(cell));
}

void writeDocumentKind(platform::Control& cell, DocumentKind kind) {
  cell.setCaption(textOf(kind));
}

bool isCountDirection(const platform::Control& cell, CountDirection direction) {
  return cell.Caption() == textOf(direction);
}

void writeCountDirection(platform::Control& cell, CountDirection direction) {
  cell.setCaption(textOf(direction));
}

}  // namespace horalix
