// The headless fonts: the fixed metrics of FixedFontMetrics, with font files that must exist in
// the simulated program folder to be registered, and a record of the files registered.
#pragma once

#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/headless/fixed_font_metrics.h"

namespace horalix::platform {

class HeadlessFonts final : public FixedFontMetrics {
 public:
  explicit HeadlessFonts(const FileSystem& files) : files_(files) {}

  // Registers the file's family when the file exists (and registration is not made to fail).
  bool addFontFile(const std::string& path) override;

  // Every call, in order, whether it succeeded or not.
  const std::vector<std::string>& fontFileCalls() const { return calls_; }
  void setAddFontFails(bool fails) { fails_ = fails; }

 private:
  const FileSystem& files_;
  std::vector<std::string> calls_;
  bool fails_ = false;
};

}  // namespace horalix::platform
