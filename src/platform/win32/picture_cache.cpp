#include "platform/win32/picture_cache.h"

#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>

#include "platform/win32/com_apartment.h"
#include "platform/win32/wide_text.h"

namespace horalix::win32 {

namespace {

bool lastWritten(const std::wstring& path, FILETIME& written) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return false;
  written = data.ftLastWriteTime;
  return true;
}

// Through OLE's picture loader, which reads BMP, JPEG and GIF files into a bitmap; the bitmap is
// copied so that it outlives the picture object.
HBITMAP loadBitmap(const std::wstring& path) {
  if (!ensureComApartment()) return nullptr;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  const DWORD size = GetFileSize(file, nullptr);
  HGLOBAL memory =
      size != INVALID_FILE_SIZE && size > 0 ? GlobalAlloc(GMEM_MOVEABLE, size) : nullptr;
  DWORD read = 0;
  bool complete = false;
  if (memory != nullptr) {
    void* bytes = GlobalLock(memory);
    complete = ReadFile(file, bytes, size, &read, nullptr) && read == size;
    GlobalUnlock(memory);
  }
  CloseHandle(file);
  if (!complete) {
    if (memory != nullptr) GlobalFree(memory);
    return nullptr;
  }
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    return nullptr;
  }
  IPicture* picture = nullptr;
  HRESULT hr = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(hr) || picture == nullptr) return nullptr;
  HBITMAP copy = nullptr;
  SHORT type = PICTYPE_NONE;
  OLE_HANDLE handle = 0;
  if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP &&
      SUCCEEDED(picture->get_Handle(&handle))) {
    copy = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                          IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  }
  picture->Release();
  return copy;
}

}  // namespace

PictureCache::~PictureCache() {
  for (auto& [path, entry] : entries_) {
    if (entry.picture.bitmap != nullptr) DeleteObject(entry.picture.bitmap);
  }
}

void PictureCache::keepOnly(const std::set<std::string>& paths) {
  std::erase_if(entries_, [&](auto& entry) {
    if (paths.count(entry.first) != 0) return false;
    if (entry.second.picture.bitmap != nullptr) DeleteObject(entry.second.picture.bitmap);
    return true;
  });
}

LoadedPicture PictureCache::get(const std::string& path) {
  const std::wstring wide = toWide(path);
  FILETIME written{};
  if (!lastWritten(wide, written)) return {};
  auto it = entries_.find(path);
  if (it != entries_.end()) {
    if (CompareFileTime(&it->second.written, &written) == 0) return it->second.picture;
    if (it->second.picture.bitmap != nullptr) DeleteObject(it->second.picture.bitmap);
    entries_.erase(it);
  }
  Entry entry;
  entry.written = written;
  entry.picture.bitmap = loadBitmap(wide);
  BITMAP info{};
  if (entry.picture.bitmap != nullptr && GetObjectW(entry.picture.bitmap, sizeof info, &info)) {
    entry.picture.width = info.bmWidth;
    entry.picture.height = info.bmHeight;
  }
  entries_[path] = entry;
  return entry.picture;
}

}  // namespace horalix::win32
