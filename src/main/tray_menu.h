// Which tray menu items a presenter can reach, as a run starts and as it ends. While a run
// counts, the items that would disturb it (statistics, help, exit, and settings and presets
// unless allowed) are locked; the stop and the end of a run release them again.
#pragma once

namespace horalix {

class Context;

// The menus at a run start: `counting` when a run is bound and timing is switched on; otherwise
// the run start only prepares the clock (as at launch) and the menus are those of an idle clock.
void setRunStartMenus(Context& context, bool counting);

// Releases the items that a counting run locked: settings, presets (shown only when allowed and
// at least one preset exists), statistics, help, online help and exit.
void releaseRunMenus(Context& context);

}  // namespace horalix
