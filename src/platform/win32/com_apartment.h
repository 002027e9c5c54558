// COM for the calling thread: initialised once per thread, apartment-threaded, as the scripting
// shell and the common dialogs need it.
#pragma once

namespace horalix::win32 {

// True when COM can be used on this thread (also when it was already initialised otherwise).
bool ensureComApartment();

}  // namespace horalix::win32
