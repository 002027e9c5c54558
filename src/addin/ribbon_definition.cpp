#include "addin/ribbon_definition.h"

#include <array>

#include "addin/handover_values.h"

namespace horalix::addin {

namespace {

constexpr std::array<RibbonButton, 3> kButtons{{
    {"Button2", "Vantrelclock", "Vantrel", "StartTimer", 102, ProgramKind::Clock},
    {"Button3", "Tessavel", "Tessavel", "SlideShowRehearseTimings", 103, ProgramKind::MeetingTimer},
    {"Button4", "Ombrique", "Ombrique", "AddressBook", 104, ProgramKind::DebateTimer},
}};

// The 2006 Office custom-UI schema, which both Office and WPS hosts read.
constexpr char kCustomUiOpen[] =
    "<customUI xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\">"
    "<ribbon ><tabs>";
constexpr char kCustomUiClose[] = "</group ></tab></tabs></ribbon></customUI>";

std::string buttonElement(const RibbonButton& button, bool wps) {
  std::string xml = std::string("<button id=\"") + button.id + "\" label=\"" +
                    (wps ? button.wpsLabel : button.officeLabel) + "\" size=\"large\" ";
  xml += wps ? std::string("getImage=\"GetImage\"")
             : std::string("imageMso=\"") + button.imageMso + "\"";
  return xml + " onAction=\"mybuttons\"/>";
}

}  // namespace

const RibbonButton* findRibbonButton(const std::string& id) {
  for (const auto& button : kButtons) {
    if (id == button.id) return &button;
  }
  return nullptr;
}

std::optional<std::string> ribbonxml_Wd(AddinServices&, HostApplication* host) {
  const auto wps = isWpsHost(host);
  if (!wps) return std::nullopt;
  // The clock button stands whether or not the program is installed.
  return std::string(kCustomUiOpen) +
         "<tab id=\"CustomTab\" label=\"Horalix\"><group id=\"SampleGroup1\" label=\"Vantrel\">" +
         buttonElement(*findRibbonButton("Button2"), *wps) + kCustomUiClose;
}

std::optional<std::string> ribbonxml_ET(AddinServices& services, HostApplication* host) {
  return ribbonxml_Wd(services, host);
}

std::optional<std::string> ribbonxml_PT(AddinServices& services, HostApplication* host) {
  const auto wps = isWpsHost(host);
  if (!wps) return std::nullopt;
  std::string xml = kCustomUiOpen;
  xml += *wps ? "<tab id=\"CustomTab\" label=\"Horalix\">" : "<tab idMso=\"TabSlideShow\">";
  xml += "<group id=\"SampleGroup1\" label=\"Horalix\">";
  // Where the sibling settings tool is installed, it owns the presentation ribbon: this add-in
  // shows no part of its own.
  if (clockinstalled(services, ProgramKind::SettingsTool)) return std::string();
  for (const auto& button : kButtons) {
    if (clockinstalled(services, button.program)) xml += buttonElement(button, *wps);
  }
  return xml + kCustomUiClose;
}

std::string ribbonDefinition(AddinServices& services, HostKind kind, HostApplication* host) {
  std::optional<std::string> xml;
  switch (kind) {
    case HostKind::WordProcessor:
      xml = ribbonxml_Wd(services, host);
      break;
    case HostKind::Spreadsheet:
      xml = ribbonxml_ET(services, host);
      break;
    case HostKind::Presentation:
      xml = ribbonxml_PT(services, host);
      break;
  }
  return xml.value_or("");
}

std::optional<int> GetImage(const std::string& controlId) {
  if (const RibbonButton* button = findRibbonButton(controlId)) return button->bitmap;
  return std::nullopt;
}

void mybuttons(AddinServices& services, const std::string& controlId) {
  if (const RibbonButton* button = findRibbonButton(controlId)) {
    launchProgram(services, button->program);
  }
}

}  // namespace horalix::addin
