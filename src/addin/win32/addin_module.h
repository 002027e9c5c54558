// What the library keeps for the life of its host process: its module handle, the count of its
// live objects, the services over the Win32 backend, and per kind of host the connected host
// application, its event sink and the add-in's connection to it. The services hold no COM
// object between the host's calls.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <exception>
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

// One call of the host into the add-in, from its start to its return. The scripting-shell
// object that the add-in's registry steps use is made at the first verb within the outermost
// call and let go when that call returns: a host may shut COM down once it has disconnected the
// add-in and unload the library only later, when releasing a COM object is no longer safe.
class HostCall {
 public:
  HostCall();
  ~HostCall();
  HostCall(const HostCall&) = delete;
  HostCall& operator=(const HostCall&) = delete;
};

// Runs the work of one call of the host; whatever fails, the host gets S_OK.
template <typename Work>
HRESULT hostCall(Work work) {
  HostCall call;
  try {
    work();
  } catch (const std::exception&) {
  }
  return S_OK;
}

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
