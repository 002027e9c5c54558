// Starting documents, addresses and programs.
#pragma once

#include <string>

namespace horalix::platform {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document, folder or address with its associated program ("open" verb). Returns the
  // shell's code: above 32 on success.
  virtual int open(const std::string& target, const std::string& parameters,
                   const std::string& folder) = 0;
  // Starts a program with a command line; false when it could not be started.
  virtual bool startProgram(const std::string& commandLine, bool hidden) = 0;
  // Starts a program with its window minimised and active (Explorer as the fallback of opening
  // a document). A backend without that window style starts it as startProgram does.
  virtual bool startProgramMinimized(const std::string& commandLine) {
    return startProgram(commandLine, false);
  }
  // Opens a page of the program's help file through the HTML help function.
  virtual bool htmlHelp(const std::string& chmPath) = 0;
};

}  // namespace horalix::platform
