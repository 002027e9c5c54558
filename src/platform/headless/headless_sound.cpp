#include "platform/headless/headless_sound.h"

#include <algorithm>
#include <optional>

#include "platform/name_compare.h"

namespace horalix::platform {

namespace {

// Splits a command string at blanks; a double-quoted part is one token. nullopt when a quote
// is not closed.
std::optional<std::vector<std::string>> tokenize(const std::string& command) {
  std::vector<std::string> tokens;
  std::size_t i = 0;
  while (i < command.size()) {
    if (command[i] == ' ' || command[i] == '\t') {
      ++i;
    } else if (command[i] == '"') {
      const std::size_t end = command.find('"', i + 1);
      if (end == std::string::npos) return std::nullopt;
      tokens.push_back(command.substr(i + 1, end - i - 1));
      i = end + 1;
    } else {
      const std::size_t end = command.find_first_of(" \t", i);
      tokens.push_back(command.substr(i, end == std::string::npos ? end : end - i));
      i = end == std::string::npos ? command.size() : end;
    }
  }
  return tokens;
}

// The file types with a media-control driver registered for their extension.
bool knownExtension(const std::string& file) {
  const std::size_t dot = file.rfind('.');
  if (dot == std::string::npos || file.find('\\', dot) != std::string::npos) return false;
  const std::string ext = foldCase(file.substr(dot + 1));
  return ext == "mp3" || ext == "wav" || ext == "mid" || ext == "wma";
}

}  // namespace

bool HeadlessSound::playWave(const std::string& path, bool loop) {
  // Without the no-default flag the player falls back to the default sound for a missing file,
  // and the asynchronous call reports success either way.
  const bool missing = !files_.normalFileExists(path);
  waves_.push_back({path, loop && !missing, missing, loop_.now()});
  currentWave_ = missing ? "" : path;
  waveLoop_ = loop && !missing;
  return true;
}

void HeadlessSound::stopWave() {
  waves_.push_back({"", false, false, loop_.now()});
  currentWave_.clear();
  waveLoop_ = false;
}

int HeadlessSound::mciCommand(const std::string& command) {
  const int result = execute(command);
  mci_.push_back({command, result, loop_.now()});
  return result;
}

int HeadlessSound::open(const std::string& element, const std::vector<std::string>& options) {
  if (!files_.normalFileExists(element)) return mcierr::FileNotFound;
  if (!knownExtension(element)) return mcierr::ExtensionNotFound;
  std::string name = element;
  for (std::size_t i = 0; i < options.size(); ++i) {
    const std::string option = foldCase(options[i]);
    if ((option == "alias" || option == "type") && i + 1 < options.size()) {
      if (option == "alias") name = options[i + 1];
      ++i;
    } else if (option != "wait" && option != "shareable") {
      return mcierr::UnrecognizedKeyword;
    }
  }
  const std::string key = foldCase(name);
  if (devices_.count(key) != 0) return mcierr::DeviceOpen;
  devices_[key] = {element, false};
  return 0;
}

int HeadlessSound::execute(const std::string& command) {
  const auto tokens = tokenize(command);
  if (!tokens) return mcierr::NoClosingQuote;
  if (tokens->empty()) return mcierr::MissingCommandString;
  const std::string verb = foldCase(tokens->front());
  static const char* const verbs[] = {"open", "play", "stop", "close", "pause", "resume", "seek"};
  if (std::find(std::begin(verbs), std::end(verbs), verb) == std::end(verbs)) {
    return mcierr::UnrecognizedCommand;
  }
  if (tokens->size() < 2) return mcierr::MissingDeviceName;
  const std::string& device = (*tokens)[1];
  const std::vector<std::string> options(tokens->begin() + 2, tokens->end());
  if (verb == "open") return open(device, options);

  const std::string key = foldCase(device);
  if (verb == "close" && key == "all") {
    devices_.clear();
    return 0;
  }
  auto it = devices_.find(key);
  if (it == devices_.end() && verb == "play") {
    // Playing a file that is not open opens it first (the media-control auto-open).
    if (const int err = open(device, {})) return err;
    it = devices_.find(key);
  }
  if (it == devices_.end()) return mcierr::InvalidDeviceName;
  if (verb == "close") {
    devices_.erase(it);
  } else if (verb == "play" || verb == "resume") {
    it->second.playing = true;
  } else if (verb == "stop" || verb == "pause") {
    it->second.playing = false;
  }
  return 0;
}

std::vector<std::string> HeadlessSound::mciPlaying() const {
  std::vector<std::string> files;
  for (const auto& [name, device] : devices_) {
    if (device.playing) files.push_back(device.file);
  }
  return files;
}

bool HeadlessSound::mciOpen(const std::string& device) const {
  return devices_.count(foldCase(device)) != 0;
}

}  // namespace horalix::platform
