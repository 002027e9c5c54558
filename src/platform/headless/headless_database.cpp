#include "platform/headless/headless_database.h"

namespace horalix::platform {

std::unique_ptr<DbConnection> HeadlessDatabase::open(const std::string& path, std::string& error) {
  const std::string real = files_.realPath(path);
  if (real.empty()) {
    error = "not a path on a drive: " + path;
    return nullptr;
  }
  return engine_.open(real, error);
}

}  // namespace horalix::platform
