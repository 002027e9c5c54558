// Documents, addresses and programs started, as a record; results follow the file system
// model unless a test queues its own.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/shell.h"

namespace horalix::platform {

struct ShellOpen {
  std::string target, parameters, folder;
  int result = 0;
};

struct ProgramStart {
  std::string commandLine;
  Shell::Window window = Shell::Window::Normal;
  bool started = false;
  // Started by runAndWait: the time allowed and the exit code handed back.
  bool waited = false;
  int timeoutMs = 0;
  std::optional<std::uint32_t> exitCode;
};

class HeadlessShell final : public Shell {
 public:
  // The shell's "file not found" code.
  static constexpr int FileNotFound = 2;
  static constexpr int Opened = 42;

  explicit HeadlessShell(const FileSystem& files) : files_(files) {}

  // An address ("http://...", "mailto:...") opens; a path opens when the file or folder exists.
  int open(const std::string& target, const std::string& parameters,
           const std::string& folder) override;
  bool startProgram(const std::string& commandLine, Window window) override;
  // Ends at once with exit code 0 unless the test queued another outcome.
  std::optional<std::uint32_t> runAndWait(const std::string& commandLine, Window window,
                                          int timeoutMs) override;
  // Opens when the help file exists (a page of it is named after "::").
  bool htmlHelp(const std::string& chmPath, const Form& owner) override;

  // Results for the next calls, in order, instead of the model's.
  void queueOpenResult(int result) { openResults_.push_back(result); }
  void queueStartResult(bool started) { startResults_.push_back(started); }
  // The outcome of the next runAndWait: an exit code, or nullopt for a program that could not
  // be started or did not end in time.
  void queueExitCode(std::optional<std::uint32_t> code) { exitCodes_.push_back(code); }

  const std::vector<ShellOpen>& opened() const { return opened_; }
  const std::vector<ProgramStart>& started() const { return started_; }
  const std::vector<std::string>& helpShown() const { return help_; }
  // The names of the windows that owned them.
  const std::vector<std::string>& helpOwners() const { return helpOwners_; }

 private:
  const FileSystem& files_;
  std::deque<int> openResults_;
  std::deque<bool> startResults_;
  std::deque<std::optional<std::uint32_t>> exitCodes_;
  std::vector<ShellOpen> opened_;
  std::vector<ProgramStart> started_;
  std::vector<std::string> help_;
  std::vector<std::string> helpOwners_;
};

}  // namespace horalix::platform
