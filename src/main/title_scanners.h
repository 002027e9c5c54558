// Which documents of a kind are open, read from the titles of the top-level windows. Each
// document kind has a scanner that walks the windows in z-order (topmost first) and a cleaner
// that reduces one title to a bare document file name. The scanners keep nothing between calls.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop.h"
#include "services/run_state_record.h"

namespace horalix {

inline constexpr DocumentKind kDocumentKinds[] = {
    DocumentKind::Workbook, DocumentKind::WordDocument, DocumentKind::SlideShow,
    DocumentKind::Pdf,      DocumentKind::Presentation, DocumentKind::Drawing};

// The distinct cleaned names in the order their windows were met (the topmost window first);
// nullopt when no window matched, never an empty list.
using FileList = std::optional<std::vector<std::string>>;

// The characters of a title that the old title reader could see.
inline constexpr int kTitleCharacters = 254;

std::string CleanExcelTitle(std::string_view title);
std::string CleanWordTitle(std::string_view title);
std::string CleanPptTitle(std::string_view title);
std::string CleanShowTitle(std::string_view title);
std::string CleanPdfTitle(std::string_view title);
std::string CleanDwgTitle(std::string_view title);

// The scanners over a list of windows taken once (so that one watch tick walks the desktop once
// for all kinds) ...
FileList ExcelFileList(const std::vector<platform::TopWindow>& windows);
FileList WordFileList(const std::vector<platform::TopWindow>& windows);
FileList ShowFileList(const std::vector<platform::TopWindow>& windows);
FileList PdfFileList(const std::vector<platform::TopWindow>& windows);
FileList PptFileList(const std::vector<platform::TopWindow>& windows);
FileList DwgFileList(const std::vector<platform::TopWindow>& windows);
// ... and the scanner of a kind.
FileList documentFileList(DocumentKind kind, const std::vector<platform::TopWindow>& windows);

}  // namespace horalix
