// The three add-in classes OfficeWd, OfficeET and OfficePT: one object a host creates, connects
// and asks for its ribbon. Each is its default interface (the ribbon callbacks' members, reached
// by name through the type library), the ribbon interface and the add-in connection interface.
// Each of the three has its own IDispatch, answered from that interface's type information, so
// that a host may call any of them by name as well as through its table of functions.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "addin/addin_services.h"
#include "addin/win32/com_interfaces.h"

namespace horalix::addin::win32 {

// Creates the class of this kind and hands out the interface asked for.
HRESULT createAddinObject(HostKind kind, REFIID iid, void** out);

}  // namespace horalix::addin::win32
