#include "fuzz_seeds.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace horalix::fuzz {

void finding(const std::string& what) {
  std::fprintf(stderr, "finding: %s\n", what.c_str());
  std::abort();
}

}  // namespace horalix::fuzz

// With HORALIX_FUZZ_WRITE_SEEDS set to a folder, the target writes its seeds there as
// seed-01, seed-02, ... and ends; otherwise libFuzzer runs as usual.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* folder = std::getenv("HORALIX_FUZZ_WRITE_SEEDS");
  if (!folder || !*folder) return 0;
  int n = 0;
  for (const std::string& seed : horalix::fuzz::seeds()) {
    char name[32];
    std::snprintf(name, sizeof name, "/seed-%02d", ++n);
    std::ofstream out(std::string(folder) + name, std::ios::binary);
    out.write(seed.data(), static_cast<std::streamsize>(seed.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s%s\n", folder, name);
      std::exit(1);
    }
  }
  std::printf("%d seeds written to %s\n", n, folder);
  std::exit(0);
}
