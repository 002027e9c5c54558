// The values by which the add-in tells the clock program which documents are open and which
// presentation is being shown, under the program's key HKEY_CURRENT_USER\Vantrel. The program
// polls them; the add-in writes them on host events and withdraws its own when its host lets
// it go. Every registry step goes through the scripting shell first and falls back once to the
// registry functions; no failure is reported.
#pragma once

#include <cstdint>
#include <string>

#include "addin/addin_services.h"
#include "services/value_store.h"

namespace horalix::addin {

// Written as 32 whenever a host holds the add-in; the program tests for exactly that number.
inline constexpr char kClockOpen[] = "clockopen";
inline constexpr std::int32_t kClockOpenValue = 32;
// The slide show being presented, in any presentation host.
inline constexpr char kShowValue[] = "filename3";

// The program's key, as the add-in writes it.
ValueStore programValues(AddinServices& services);

// The value that holds the first document opened in a host of this kind: "filename2" for the
// word processor, "filename1" for the spreadsheet, "filename5" for the presentation host.
const char* documentValueName(HostKind kind);

// Whether the host is a WPS Office host: its installation path holds "WPS" in capitals.
// nullopt when there is no host or it does not tell its path.
std::optional<bool> isWpsHost(HostApplication* host);

// The slide-show count at or below which a WPS presentation host's show counts as ended: 1 for
// builds after 10214 (the version folder before the last part of the path), 0 for older ones.
int wpsBuildThreshold(const std::string& path);

// clockopen = 32: a host has connected the add-in.
void announceAddin(AddinServices& services);
// A document was opened: its name (with extension, without folder) goes into the host kind's
// value, with clockopen, when the value is free and the name has an extension of 3 or more
// characters. An occupied value keeps its first document.
void PublishDocumentName(AddinServices& services, HostKind kind, const std::string& name);
// A slide show began in `host`: unless another show already runs, the active presentation's
// name goes into filename3, with clockopen.
void publishSlideShow(AddinServices& services, HostApplication& host);
// A slide show ended: filename3 is withdrawn when no other show still runs. `showHost` is the
// application of the presentation whose show ended, `connected` the one the add-in holds.
void withdrawSlideShow(AddinServices& services, HostApplication* showHost,
                       HostApplication* connected);
// The host lets the add-in go: clockopen is withdrawn when no other kind of host has a value
// left, then the host's own values.
void withdrawHostValues(AddinServices& services, HostKind kind);

}  // namespace horalix::addin
