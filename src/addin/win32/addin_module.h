// What the library keeps for the life of its host process: its module handle, the count of its
// live objects, the services over the Win32 backend, and per kind of host the connected host
// application, its event sink and the add-in's connection to it.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <string>

#include "addin/addin_services.h"
#include "addin/host_connection.h"
#include "addin/win32/dispatch_host.h"

namespace horalix::addin::win32 {

class EventSink;

void setModuleHandle(HMODULE module);
HMODULE moduleHandle();
// The library's full path, as the system loaded it.
std::wstring modulePath();

// Live objects and server locks: the library may be unloaded when both are zero.
void objectCreated();
void objectDestroyed();
void lockServer(bool lock);
bool canUnload();

AddinServices& services();

// The type information of an interface of the library's own type libraries (the classes'
// default interfaces, and the hosts' connection and ribbon interfaces that the classes
// implement); nullptr when it cannot be loaded. Not AddRef'ed: kept for the life of the process.
ITypeInfo* typeInfoOf(REFIID iid);

struct HostState {
  std::unique_ptr<DispatchHost> host;  // the connected host application, while connected
  EventSink* sink = nullptr;           // subscribed to its events, while connected
  std::unique_ptr<HostConnection> connection;
};
HostState& stateOf(HostKind kind);

}  // namespace horalix::addin::win32
