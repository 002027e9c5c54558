// The ribbon part each add-in class gives its host, and the buttons' pictures and commands.
// Microsoft Office hosts show their own built-in images; WPS hosts ask for the library's
// bitmaps through GetImage.
#pragma once

#include <optional>
#include <string>

#include "addin/addin_services.h"
#include "addin/program_launchers.h"

namespace horalix::addin {

// One ribbon button: the one table that the ribbon text, GetImage and mybuttons all read.
struct RibbonButton {
  const char* id;
  const char* officeLabel;  // caption in Microsoft Office hosts
  const char* wpsLabel;     // caption in WPS hosts
  const char* imageMso;     // the host's built-in image (Microsoft Office hosts)
  int bitmap;               // the library's bitmap resource (WPS hosts)
  ProgramKind program;      // what a click starts
};

// The button with this control id (exact case); nullptr for any other.
const RibbonButton* findRibbonButton(const std::string& id);

// The ribbon text of the word-processor and spreadsheet hosts (the same definition) and of
// the presentation host. `host` decides between WPS and Microsoft Office; with no host, or a
// host that does not tell its path, the build fails: nullopt.
std::optional<std::string> ribbonxml_Wd(AddinServices& services, HostApplication* host);
std::optional<std::string> ribbonxml_ET(AddinServices& services, HostApplication* host);
std::optional<std::string> ribbonxml_PT(AddinServices& services, HostApplication* host);

// What the host gets for its ribbon: the kind's text, or "" when the build failed.
std::string ribbonDefinition(AddinServices& services, HostKind kind, HostApplication* host);

// The bitmap resource for a button id; nullopt for any other id.
std::optional<int> GetImage(const std::string& controlId);
// A click on a button: starts its program; any other id does nothing.
void mybuttons(AddinServices& services, const std::string& controlId);

}  // namespace horalix::addin
