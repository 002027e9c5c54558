// What every fuzz target shares: its own seed inputs, from which scripts/fuzz.sh builds the
// committed corpus, and the failure that libFuzzer records as a finding.
#pragma once

#include <string>
#include <vector>

namespace horalix::fuzz {

// The inputs a target starts from, one per case it should reach at once. Each target defines it.
std::vector<std::string> seeds();

// A broken rule: says which, then aborts, so that libFuzzer keeps the input as a crash.
[[noreturn]] void finding(const std::string& what);

}  // namespace horalix::fuzz
