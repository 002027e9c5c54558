// The start of the program: one instance only, the program folder published for the add-in,
// the start-up check, then the six windows that stay loaded for the life of the process.
#pragma once

namespace horalix {

class App;

// The entry of the program. A second instance, or a failed start-up check, ends the process
// (App::ended()) without opening any window; otherwise the six windows are open and the program
// lives on in their messages and timers.
void Main(App& app);

// Registers the common-control classes; true when that raised no error.
bool InitControls(App& app);

}  // namespace horalix
