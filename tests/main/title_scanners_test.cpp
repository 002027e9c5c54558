#include "main/title_scanners.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace horalix::test {
namespace {

using Names = std::vector<std::string>;

std::vector<platform::TopWindow> windowsTitled(const std::vector<std::string>& titles) {
  std::vector<platform::TopWindow> windows;
  std::uintptr_t handle = 0x100;
  for (const std::string& title : titles) windows.push_back({handle++, title, true});
  return windows;
}

FileList scanTitle(DocumentKind kind, const std::string& title) {
  return documentFileList(kind, windowsTitled({title}));
}

TEST(TitleScanners, OneTitleGivesTheCleanedNameOrNothing) {
  using K = DocumentKind;
  struct Case {
    K kind;
    const char* title;
    const char* name;  // nullptr: the window is not taken
  };
  const Case cases[] = {
      {K::Workbook, "Plan.xlsx - Excel", "Plan.xlsx"},
      {K::Workbook, "Microsoft Excel - Plan.xls", "Plan.xls"},
      // Once the prefix was there, the suffix form is not looked for.
      {K::Workbook, "Microsoft Excel - Plan - Excel.xls", "Plan - Excel.xls"},
      {K::Workbook, "Plan.xlsx [Compatibility Mode] - Excel", "Plan.xlsx"},
      {K::Workbook, "[Plan.xlsx]", "Plan.xlsx"},
      {K::Workbook, "PLAN.XLSX - Excel", "PLAN.XLSX"},
      {K::Workbook, "Plan.xls - x", "Plan.xls"},
      {K::Workbook, "Plan.xlsx (Product Activation Failed) - Excel", "Plan.xlsx"},
      {K::Workbook, "Plan.xlsx - WPS 表格", "Plan.xlsx"},
      {K::Workbook, "Plan.xlsx Preview - Excel", "Plan.xlsx"},
      {K::Workbook, "C:\\Data\\Plan.xlsx", nullptr},
      {K::Workbook, "Budget - Excel", nullptr},
      {K::WordDocument, "report.docx.bak - Word", "report.docx"},
      {K::WordDocument, "report.docx - Microsoft Word", "report.docx"},
      {K::WordDocument, "report.doc [Compatibility Mode] - Word", "report.doc"},
      {K::WordDocument, "WPS 文字 - report.docx", "report.docx"},
      {K::WordDocument, "C:\\Data\\report.docx", nullptr},
      {K::Presentation, "Deck.pptx - PowerPoint", "Deck.pptx"},
      {K::Presentation, "Microsoft PowerPoint - Deck.ppt", "Deck.ppt"},
      {K::Presentation, "Deck.pptx - Microsoft PowerPoint", "Deck.pptx"},
      {K::Presentation, "Deck.pptx - WPS 演示", "Deck.pptx"},
      {K::Presentation, "C:\\Talks\\Deck.pptx", nullptr},
      {K::Pdf, "a.pdf - Reader", "a.pdf"},
      {K::Pdf, "Plan.PDF (C:\\x)", "Plan.PDF"},
      {K::Pdf, "C:\\Docs\\a.pdf", nullptr},
      {K::Drawing, "Editor - [D:\\Work\\Site.dwg]", "Site.dwg"},
      {K::Drawing, "Site.dwg - Editor", nullptr},  // no path, not a drawing program's title
      {K::Drawing, "Editor - [D:\\Work\\SITE.DWG]", "SITE.DWG"},
      {K::SlideShow, "PowerPoint Slide Show - [Deck.pptx]", "Deck.pptx"},
      {K::SlideShow, "WPS Presentation Slide Show - “Deck”", "Deck"},
      {K::SlideShow, "PowerPoint 幻灯片放映 - [Deck.pptx] - PowerPoint", "Deck.pptx"},
      {K::SlideShow, "Kingsoft Presentation Slide Show - Deck.dps", "Deck.dps"},
      {K::SlideShow, "Kingsoft Presentation Slide Show", nullptr},   // the caption needs its " - "
      {K::SlideShow, "powerpoint slide show - Deck.pptx", nullptr},  // captions keep their case
      {K::SlideShow, "PowerPoint Slide Show - [[Deck.pptx]]", "Deck.pptx"},
      {K::SlideShow, "PowerPoint Slide Show - ", ""},  // an empty name is still a show
  };
  for (const Case& c : cases) {
    const FileList found = scanTitle(c.kind, c.title);
    if (c.name == nullptr) {
      EXPECT_EQ(found, std::nullopt) << c.title;
    } else {
      EXPECT_EQ(found, Names{c.name}) << c.title;
    }
  }
}

TEST(TitleScanners, CleanersOfPdfAndDrawingsKeepUpToTheExtension) {
  EXPECT_EQ(CleanPdfTitle("Talk.Pdf and more"), "Talk.Pdf");
  EXPECT_EQ(CleanPdfTitle("nothing"), "not");
  EXPECT_EQ(CleanDwgTitle("Site.dwg]"), "Site.dwg");
}

TEST(TitleScanners, ListsKeepZOrderWithoutDuplicates) {
  const auto windows = windowsTitled({
      "Upper.xlsx - Excel",
      "Notes",
      "",
      "Lower.xlsx - Excel",
      "Microsoft Excel - Upper.xlsx",  // the same name again, lower down
      "upper.xlsx - Excel",            // another name: case counts
      "Deck.pptx - PowerPoint",
  });
  EXPECT_EQ(ExcelFileList(windows), (Names{"Upper.xlsx", "Lower.xlsx", "upper.xlsx"}));
  EXPECT_EQ(PptFileList(windows), Names{"Deck.pptx"});
  EXPECT_EQ(WordFileList(windows), std::nullopt);
  EXPECT_EQ(ExcelFileList({}), std::nullopt);
}

TEST(TitleScanners, OnlyTheFirstCharactersOfALongTitleAreSeen) {
  const std::string padding(kTitleCharacters - 5, 'x');
  EXPECT_EQ(scanTitle(DocumentKind::Workbook, padding + "abcdef.xlsx"), std::nullopt);
  EXPECT_EQ(scanTitle(DocumentKind::Workbook, padding + "a.xls"), Names{padding + "a.xls"});
}

}  // namespace
}  // namespace horalix::test
