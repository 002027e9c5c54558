// Whether another instance of the program is running.
#pragma once

namespace horalix::platform {

class SingleInstance {
 public:
  virtual ~SingleInstance() = default;
  // Claims the program's instance; false when another running instance holds it.
  virtual bool claim() = 0;
};

}  // namespace horalix::platform
