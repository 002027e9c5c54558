// Typed views over the hidden cells that carry the run state between the windows. The cells stay
// label captions with their text encoding (other windows and the stored record read them as
// text); these accessors give their values names. Numeric cells are read by the numeric-prefix
// rule (anything not a number reads as 0), compared cells are compared as text, exactly.
#pragma once

#include "platform/forms.h"
#include "services/run_state_record.h"

namespace horalix {

DocumentKind readDocumentKind(const platform::Control& cell);
void writeDocumentKind(platform::Control& cell, DocumentKind kind);

bool isCountDirection(const platform::Control& cell, CountDirection direction);
void writeCountDirection(platform::Control& cell, CountDirection direction);

}  // namespace horalix
