#include "main/title_scanners.h"

#include <algorithm>
#include <functional>
#include <initializer_list>

#include "services/text_runtime.h"

namespace horalix {

namespace {

using Texts = std::initializer_list<std::string_view>;

void removeAll(std::string& text, std::string_view piece) {
  if (piece.empty()) return;
  std::string out;
  std::size_t from = 0;
  for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, from)) {
    out.append(text, from, at - from);
    from = at + piece.size();
  }
  if (from == 0) return;
  out.append(text, from, std::string::npos);
  text = std::move(out);
}

void removeEach(std::string& text, Texts pieces) {
  for (std::string_view piece : pieces) removeAll(text, piece);
}

bool contains(std::string_view text, std::string_view piece) {
  return text.find(piece) != std::string_view::npos;
}

// Drops `open` at the start and `close` at the end when the text has both.
void stripPair(std::string& text, std::string_view open, std::string_view close) {
  if (text.size() >= open.size() + close.size() && text.starts_with(open) &&
      text.ends_with(close)) {
    text = text.substr(open.size(), text.size() - open.size() - close.size());
  }
}

void stripBrackets(std::string& text) { stripPair(text, "[", "]"); }

// Keeps at most four characters after the first dot of the marker: "Plan.xls - x" is "Plan.xls",
// "report.docx.bak" is "report.docx". Letter case does not matter in finding the marker.
void cutAfterExtension(std::string& text, std::string_view marker) {
  const int c = InStr(LCase(text), marker);
  if (c > 0 && Len(text) - c > 4) text = Trim(Left(text, c + 4));
}

// What the Office-like cleaners share: the activation notices (and the preview suffix) go
// first; the host's name is taken off as a prefix, and its suffix forms only when the prefix
// was not there; then the view notices, blanks, brackets and whatever follows the extension.
struct TitleRules {
  Texts notices;
  std::string_view hostPrefix;
  Texts hostSuffixes;  // each tried only while nothing of the host's name was removed yet
  Texts viewNotices;
};

std::string stripHost(std::string_view title, const TitleRules& rules) {
  std::string text(title);
  removeEach(text, rules.notices);
  const std::size_t length = text.size();
  removeAll(text, rules.hostPrefix);
  for (std::string_view suffix : rules.hostSuffixes) {
    if (text.size() == length) removeAll(text, suffix);
  }
  removeEach(text, rules.viewNotices);
  return text;
}

std::string cleanOfficeTitle(std::string_view title, const TitleRules& rules,
                             std::string_view marker) {
  std::string text = Trim(stripHost(title, rules));
  stripBrackets(text);
  text = Trim(text);
  cutAfterExtension(text, marker);
  return text;
}

constexpr std::string_view kActivationFailed = "(产品激活失败)";
constexpr std::string_view kActivationFailedEnglish = " (Product Activation Failed)";
constexpr std::string_view kPreview = " Preview";

const TitleRules kExcelRules{
    {kActivationFailed, kActivationFailedEnglish, kPreview},
    "Microsoft Excel - ",
    {" - Excel"},
    {"- WPS 表格", "- WPS 2019", "- Spreadsheets", "* [兼容模式]", "[Compatibility Mode]",
     "[兼容模式]", "[只读]", "[Read-Only]", "(只读)", "(Read-only)"}};

const TitleRules kWordRules{
    {kActivationFailed, kActivationFailedEnglish, kPreview},
    "- Microsoft Word",
    {" - Word"},
    {"- WPS 文字", "- WPS 2019", "WPS 文字 - ", " - Writer", " [兼容模式]", " [Compatibility Mode]",
     " - 兼容模式", " - Compatibility Mode", "[只读]", "[Read-Only]", "(只读)", "(Read-Only)"}};

const TitleRules kPptRules{
    {kActivationFailed, kActivationFailedEnglish, kPreview},
    "Microsoft PowerPoint - ",
    {" - Microsoft PowerPoint", " - PowerPoint"},
    {"* - WPS 演示", " - WPS 演示", " - WPS 2019", "- Spreadsheets", "* [兼容模式]",
     "[Compatibility Mode]", "[兼容模式]", "[只读]", "[Read-Only]", "(只读)", "(Read-only)"}};

const TitleRules kShowRules{
    {kActivationFailed, kActivationFailedEnglish},
    "Microsoft PowerPoint - ",
    {" - Microsoft PowerPoint", " - PowerPoint"},
    {"PowerPoint 幻灯片放映 - ", "PowerPoint Slide Show - ", "WPS演示 幻灯片放映 - ",
     "Kingsoft Presentation Slide Show - ", "WPS Presentation Slide Show - ", " [兼容模式]",
     " [Compatibility Mode]", " [只读]", " [Read-Only]"}};

// The captions that mark a running slide show, compared with their letter case.
constexpr std::string_view kShowCaptions[] = {
    "PowerPoint 幻灯片放映", "PowerPoint Slide Show", "WPS演示 幻灯片放映",
    "Kingsoft Presentation Slide Show - ", "WPS Presentation Slide Show"};

// The text up to and including the extension, in its own case; without the extension its first
// three characters, which no keep test accepts.
std::string upToExtension(std::string_view text, std::string_view marker) {
  const int p = InStr(LCase(text), marker);
  return Left(text, p > 0 ? p + 3 : 3);
}

// The part of a title before its first "\": where a document name stands; a title that shows a
// whole path has no name there.
std::string_view firstPart(std::string_view title) { return title.substr(0, title.find('\\')); }

bool markedTitle(std::string_view title, std::string_view marker) {
  return contains(LCase(title), marker) && contains(LCase(firstPart(title)), marker);
}

// How one scanner picks its windows and names.
struct Scanner {
  std::function<bool(std::string_view title)> selects;
  std::function<std::string(std::string_view title)> name;
  std::function<bool(const std::string& name)> keeps;
};

FileList scan(const std::vector<platform::TopWindow>& windows, const Scanner& scanner) {
  std::vector<std::string> names;
  for (const platform::TopWindow& window : windows) {
    if (window.title.empty()) continue;
    // A title of no more bytes than that has no more characters either: cut only a longer one.
    const std::string title = window.title.size() <= kTitleCharacters
                                  ? window.title
                                  : Left(window.title, kTitleCharacters);
    if (!scanner.selects(title)) continue;
    std::string name = scanner.name(title);
    if (!scanner.keeps(name)) continue;
    if (std::find(names.begin(), names.end(), name) == names.end()) {
      names.push_back(std::move(name));
    }
  }
  if (names.empty()) return std::nullopt;
  return names;
}

// A kept name holds the marker (in any case) and has more than `shortest` characters.
std::function<bool(const std::string&)> keepsMarked(std::string_view marker, int shortest) {
  return [marker, shortest](const std::string& name) {
    return contains(LCase(name), marker) && Len(name) > shortest;
  };
}

// The workbook, document, presentation and PDF scanners differ only in their marker, their
// cleaner and the shortest name they keep.
Scanner officeScanner(std::string_view marker, std::string (*clean)(std::string_view),
                      int shortest) {
  return {[marker](std::string_view title) { return markedTitle(title, marker); },
          [clean](std::string_view title) { return clean(title); }, keepsMarked(marker, shortest)};
}

}  // namespace

std::string CleanExcelTitle(std::string_view title) {
  return cleanOfficeTitle(title, kExcelRules, ".xl");
}

std::string CleanWordTitle(std::string_view title) {
  return cleanOfficeTitle(title, kWordRules, ".do");
}

std::string CleanPptTitle(std::string_view title) {
  return cleanOfficeTitle(title, kPptRules, ".pp");
}

std::string CleanShowTitle(std::string_view title) {
  std::string text = Trim(stripHost(title, kShowRules));
  stripBrackets(text);
  stripBrackets(text);
  stripPair(text, "“", "”");
  return Trim(text);
}

std::string CleanPdfTitle(std::string_view title) { return upToExtension(title, ".pdf"); }

std::string CleanDwgTitle(std::string_view title) { return upToExtension(title, ".dwg"); }

FileList ExcelFileList(const std::vector<platform::TopWindow>& windows) {
  return scan(windows, officeScanner(".xl", CleanExcelTitle, -1));
}

FileList WordFileList(const std::vector<platform::TopWindow>& windows) {
  return scan(windows, officeScanner(".do", CleanWordTitle, 0));
}

FileList PptFileList(const std::vector<platform::TopWindow>& windows) {
  return scan(windows, officeScanner(".pp", CleanPptTitle, 2));
}

// The name stands before any "\" of the title ("Plan.PDF (C:\x)").
FileList PdfFileList(const std::vector<platform::TopWindow>& windows) {
  return scan(windows, {[](std::string_view title) { return markedTitle(title, ".pdf"); },
                        [](std::string_view title) { return CleanPdfTitle(firstPart(title)); },
                        keepsMarked(".pdf", 2)});
}

// Drawing programs show the whole path: the name is what follows the last "\".
FileList DwgFileList(const std::vector<platform::TopWindow>& windows) {
  return scan(windows, {[](std::string_view title) {
                          return contains(LCase(title), ".dwg") && contains(title, "\\");
                        },
                        [](std::string_view title) {
                          return CleanDwgTitle(title.substr(title.rfind('\\') + 1));
                        },
                        keepsMarked(".dwg", 2)});
}

// Every name is kept, even an empty one: the captions alone select the window.
FileList ShowFileList(const std::vector<platform::TopWindow>& windows) {
  return scan(windows, {[](std::string_view title) {
                          return std::any_of(std::begin(kShowCaptions), std::end(kShowCaptions),
                                             [title](std::string_view caption) {
                                               return contains(title, caption);
                                             });
                        },
                        CleanShowTitle, [](const std::string&) { return true; }});
}

FileList documentFileList(DocumentKind kind, const std::vector<platform::TopWindow>& windows) {
  switch (kind) {
    case DocumentKind::Workbook:
      return ExcelFileList(windows);
    case DocumentKind::WordDocument:
      return WordFileList(windows);
    case DocumentKind::SlideShow:
      return ShowFileList(windows);
    case DocumentKind::Pdf:
      return PdfFileList(windows);
    case DocumentKind::Presentation:
      return PptFileList(windows);
    case DocumentKind::Drawing:
      return DwgFileList(windows);
    case DocumentKind::None:
      break;
  }
  return std::nullopt;
}

}  // namespace horalix
