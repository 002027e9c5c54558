// The database service as the program sees it on the simulated desktop: Windows paths, mapped
// onto the temporary folder that holds the headless drives, opened by the SQLite service.
#pragma once

#include <memory>
#include <string>

#include "platform/database.h"
#include "platform/headless/headless_file_system.h"

namespace horalix::platform {

class HeadlessDatabase final : public Database {
 public:
  HeadlessDatabase(const HeadlessFileSystem& files, Database& engine)
      : files_(files), engine_(engine) {}

  std::unique_ptr<DbConnection> open(const std::string& path, std::string& error) override;

 private:
  const HeadlessFileSystem& files_;
  Database& engine_;
};

}  // namespace horalix::platform
