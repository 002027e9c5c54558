// The add-in's COM interfaces as C++ sees them: the header that widl makes from horalink.idl
// (in the build tree), and the numbers of the host events that the add-in handles.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "horalink_h.h"

namespace horalix::addin::win32 {

// Member ids of the hosts' application events (see the event interfaces in horalink.idl).
namespace host_event {
inline constexpr DISPID DocumentOpen = 4;         // word processor
inline constexpr DISPID WorkbookOpen = 0x61F;     // spreadsheet
inline constexpr DISPID PresentationOpen = 2006;  // presentation
inline constexpr DISPID SlideShowBegin = 2011;
inline constexpr DISPID SlideShowEnd = 2014;
}  // namespace host_event

}  // namespace horalix::addin::win32
