// Picture files loaded as bitmaps (BMP, JPEG, GIF through the system's picture loader), kept
// while the file stays as it was.
#pragma once

#include <windows.h>

#include <map>
#include <set>
#include <string>

namespace horalix::win32 {

struct LoadedPicture {
  HBITMAP bitmap = nullptr;
  int width = 0, height = 0;  // pixels
};

class PictureCache {
 public:
  PictureCache() = default;
  ~PictureCache();
  PictureCache(const PictureCache&) = delete;
  PictureCache& operator=(const PictureCache&) = delete;

  // The picture of a file; a null bitmap when the file is missing or no picture.
  LoadedPicture get(const std::string& path);
  // Frees the pictures of every file not named: those that no window shows any more.
  void keepOnly(const std::set<std::string>& paths);
  std::size_t size() const { return entries_.size(); }
  bool holds(const std::string& path) const { return entries_.count(path) != 0; }

 private:
  struct Entry {
    LoadedPicture picture;
    FILETIME written{};
  };
  std::map<std::string, Entry> entries_;
};

}  // namespace horalix::win32
