// Names and kinds of files taken from their paths, and whether a file can be opened.
#pragma once

#include <string>
#include <string_view>

namespace horalix {

namespace platform {
class FileSystem;
}

// The text after the last "\" (the whole text when there is none; "" when it ends with "\").
std::string GetFileName(std::string_view path);

// The text after the last ".", when that dot stands after the last "\" ("C:\x\start.wav" gives
// "wav", "archive.tar.gz" "gz"); "" when the name has no dot, when the dot is only in a folder
// name ("C:\v1.2\readme") or when it is the last character.
std::string GetFileExt(std::string_view path);

// True when the extension names an office, PDF or drawing document: it contains "DO", "XL",
// "PDF", "PP" or "DWG" whatever the letter case (doc, docx, dot, xls, ppt, pps, pdf, dwg ...).
bool IsOfficeFile(std::string_view path);

// True when the file cannot be opened for reading and writing without sharing: it is missing,
// or another process holds it open (a running program's executable does).
bool IsFileInUse(const platform::FileSystem& files, const std::string& path);

}  // namespace horalix
