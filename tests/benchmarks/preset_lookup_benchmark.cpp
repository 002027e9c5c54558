// The per-document preset lookup that the document watch runs when an automatic run starts:
// open OfficeData.db, find the document's link, read the linked preset's row, close.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/headless/headless_platform.h"
#include "presets/office_data_file.h"
#include "store/preset_database.h"

namespace {

using horalix::DbOutcome;

struct FilledOfficeData {
  horalix::platform::HeadlessPlatform headless;
  horalix::PresetDatabase officeData{headless.database(), headless.files(), headless.messageBoxes(),
                                     headless.files().programFolder(), "731QT908"};

  explicit FilledOfficeData(int count) {
    const std::string path = headless.files().programFolder() + "\\OfficeData.db";
    // Filled in one transaction straight into the file; the lookup is what is measured.
    std::string rows = "begin;";
    for (int i = 1; i <= count; ++i) {
      const std::string n = std::to_string(i);
      rows += "insert into clocksetting values (" + n + ", 'preset " + n +
              "', '2024-03-01', '', '00:05:00', 60, 30, 10, '" + std::string(33, '1') +
              "', '100100100', 300, 5, 'a.wav\\b.wav\\c.wav\\d.wav\\Stop.wav\\e.wav', "
              "'您的发言', '超时', 'Trebuchet MS', '1020304\\255', '\\0', '01111101', '时间到', "
              "0, 0, 0);"
              "insert into file_list values (" +
              n + ", 'talk " + n + ".pptx', 'preset " + std::to_string(count + 1 - i) + "', '');";
    }
    horalix::test::createOfficeDataFile(headless.files().realPath(path), rows + "commit;");
  }
};

void PerDocumentPresetLookup(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  FilledOfficeData db(count);
  int i = 0;
  for (auto _ : state) {
    const std::string document = "talk " + std::to_string(1 + (i++ * 7919) % count) + ".pptx";
    auto found = db.officeData.presetForDocument(document);
    if (found.outcome != horalix::DocumentPresetOutcome::Found) {
      state.SkipWithError("the linked preset was not found");
      break;
    }
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(PerDocumentPresetLookup)->Arg(1000)->Unit(benchmark::kMicrosecond);

// The same for a document that has no link, the common case of an automatic run.
void PerDocumentPresetLookupWithoutLink(benchmark::State& state) {
  FilledOfficeData db(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto found = db.officeData.presetForDocument("unlinked.docx");
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(PerDocumentPresetLookupWithoutLink)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
