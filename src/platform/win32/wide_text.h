// The one place where text crosses between the program's UTF-8 and the UTF-16 of the W functions.
#pragma once

#include <string>
#include <string_view>

namespace horalix::win32 {

std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view utf16);

}  // namespace horalix::win32
