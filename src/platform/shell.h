// Starting documents, addresses and programs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace horalix::platform {

class Form;

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document, folder or address by its default action. Returns the
  // shell's code: above 32 on success.
  virtual int open(const std::string& target, const std::string& parameters,
                   const std::string& folder) = 0;
  // How a started program's window first shows: normal, not at all, or minimised or maximised
  // and active.
  enum class Window { Normal, Hidden, Minimized, Maximized };
  // Starts a program with a command line; false when it could not be started.
  virtual bool startProgram(const std::string& commandLine, Window window) = 0;
  // Starts a program with a command line and waits until it has ended, for at most `timeoutMs`;
  // the program's windows and timers go on meanwhile. Its exit code; nullopt when it could not
  // be started or had not ended in time (it is then left running).
  virtual std::optional<std::uint32_t> runAndWait(const std::string& commandLine, Window window,
                                                  int timeoutMs) = 0;
  // Opens a page of the program's help file through the HTML help function, in a window owned
  // by `owner`.
  virtual bool htmlHelp(const std::string& chmPath, const Form& owner) = 0;
};

}  // namespace horalix::platform
