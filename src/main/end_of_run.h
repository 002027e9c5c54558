// Taking a finished run down: tool windows closed, prompt bars and the interaction window parked,
// the add-in's hand-over value of the run's document deleted, the tray menu released and the
// clocks put back where the show/hide choice wants them.
#pragma once

#include <string>
#include <vector>

namespace horalix {

// The hand-over values the add-in wrote for a document kind (the numeric value of
// the run's document kind): the one of its kind, none for PDF (4) and drawings (6), all four for
// any other kind (a manual run has none).
std::vector<std::string> handOverValues(int documentKind);

}  // namespace horalix
