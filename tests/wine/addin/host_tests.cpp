// Horalink32.dll in a host of ours, after regsvr32 registered it: each class is created by its
// ProgID, connected with a fake host application, told of documents and slide shows, asked for
// its ribbon and called back by name as the hosts' ribbons call, and disconnected; the
// hand-over values under HKCU\Vantrel are checked at each step.
#include <windows.h>
#include <cguid.h>
#include <initguid.h>
#include <ocidl.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "fake_host.h"
#include "horalink_h.h"

namespace horalix::test {
namespace {

struct HostCase {
  const wchar_t* progId;
  const IID* events;
  DISPID openEvent;
  const wchar_t* document;
  const wchar_t* value;
  const char* golden;  // the ribbon under Microsoft Office, the program installed
  const char* defaultInterface;
};

// The event numbers are the hosts' published ones, as horalink.idl declares them.
const std::vector<HostCase> kHosts = {
    {L"Horalink.OfficeWd", &DIID_ApplicationEvents4, 4, L"notes.docx", L"filename2",
     "document_office", "_OfficeWd"},
    {L"Horalink.OfficeET", &DIID_AppEvents, 0x61F, L"sums.xlsx", L"filename1", "document_office",
     "_OfficeET"},
    {L"Horalink.OfficePT", &DIID_EApplication, 2006, L"talk.pptx", L"filename5",
     "presentation_office_clock", "_OfficePT"},
};
constexpr DISPID kSlideShowBegin = 2011;
constexpr DISPID kSlideShowEnd = 2014;
// Where a Microsoft Office host is installed.
constexpr wchar_t kOfficePath[] = L"C:\\Program Files\\Microsoft Office\\root\\Office16";

std::optional<std::wstring> regText(HKEY root, const std::wstring& key, const wchar_t* name) {
  wchar_t buffer[1024];
  DWORD size = sizeof(buffer);
  if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(buffer);
}

std::optional<DWORD> regNumber(HKEY root, const std::wstring& key, const wchar_t* name) {
  DWORD value = 0;
  DWORD size = sizeof(value);
  if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

std::optional<std::wstring> handOver(const wchar_t* name) {
  return regText(HKEY_CURRENT_USER, L"Vantrel", name);
}

std::string golden(const std::string& name) {
  std::ifstream in(std::string(HORALIX_SOURCE_DIR) + "/tests/addin/golden/" + name + ".xml");
  std::stringstream text;
  text << in.rdbuf();
  std::string xml = text.str();
  if (!xml.empty() && xml.back() == '\n') xml.pop_back();
  return xml;
}

std::string narrow(BSTR text) {
  if (text == nullptr) return "";
  const int length = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(SysStringLen(text)),
                                         nullptr, 0, nullptr, nullptr);
  std::string result(length, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(SysStringLen(text)), result.data(), length,
                      nullptr, nullptr);
  return result;
}

class AddinHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Vantrel");
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Vantrel", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    // The program folder, where the library stands beside the program, as pathget.
    const auto library =
        regText(HKEY_CLASSES_ROOT, L"CLSID\\{6E0F4B52-3C1D-4A7B-9E2F-5D8C1A7B3F21}\\InprocServer32",
                nullptr);
    ASSERT_TRUE(library.has_value()) << "the library is not registered";
    library_ = *library;
    folder_ = library->substr(0, library->find_last_of(L'\\'));
    RegSetValueExW(key, L"pathget", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder_.c_str()),
                   static_cast<DWORD>((folder_.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
  }
  void TearDown() override { CoUninitialize(); }

  // The add-in object of a ProgID, by its default IDispatch.
  IDispatch* create(const wchar_t* progId) {
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(progId, &clsid))) return nullptr;
    IDispatch* object = nullptr;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(&object)))) {
      return nullptr;
    }
    return object;
  }

  FakeApplication* application(const HostCase& host, const std::wstring& path) {
    auto* app = new FakeApplication(*host.events);
    app->set(L"Path", path);
    auto* windows = new FakeObject;
    windows->set(L"Count", 0L);
    app->set(L"SlideShowWindows", windows);
    windows->Release();
    auto* active = new FakeObject;
    active->set(L"Name", std::wstring(L"show.pptx"));
    app->set(L"ActivePresentation", active);
    active->Release();
    return app;
  }

  void setShowCount(FakeApplication* app, long count) {
    auto* windows = new FakeObject;
    windows->set(L"Count", count);
    app->set(L"SlideShowWindows", windows);
    windows->Release();
  }

  // Calls a member by name, as a late-bound caller does, with the arguments in the order a
  // script writes them (the caller keeps owning what they hold).
  HRESULT invokeByName(IDispatch* object, const wchar_t* name, std::initializer_list<VARIANT> args,
                       VARIANT* result) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    const HRESULT found = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(found)) return found;
    std::vector<VARIANT> reversed(std::rbegin(args), std::rend(args));
    DISPPARAMS params = {reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result,
                          nullptr, nullptr);
  }

  // Calls a member of the add-in's default interface by name, as a ribbon callback does.
  HRESULT callByName(IDispatch* object, const wchar_t* name, IDispatch* control, VARIANT* result) {
    return invokeByName(object, name, {objectArgument(control)}, result);
  }

  static VARIANT objectArgument(IDispatch* object) {
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_DISPATCH;
    arg.pdispVal = object;
    return arg;
  }
  static VARIANT numberArgument(long number) {
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_I4;
    arg.lVal = number;
    return arg;
  }

  // The name of the interface that an IDispatch describes as its own type information.
  std::string typeName(IDispatch* object) {
    UINT count = 0;
    if (FAILED(object->GetTypeInfoCount(&count)) || count != 1) return "(no type information)";
    ITypeInfo* info = nullptr;
    if (FAILED(object->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info))) return "(failed)";
    BSTR name = nullptr;
    info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
    info->Release();
    std::string text = narrow(name);
    SysFreeString(name);
    return text;
  }

  // The object's IDispatch of one of its interfaces.
  static IDispatch* face(IDispatch* object, const IID& iid) {
    IDispatch* dispatch = nullptr;
    object->QueryInterface(iid, reinterpret_cast<void**>(&dispatch));
    return dispatch;
  }

  std::string ribbon(IDispatch* object) {
    IRibbonExtensibility* ribbon = nullptr;
    if (FAILED(
            object->QueryInterface(IID_IRibbonExtensibility, reinterpret_cast<void**>(&ribbon)))) {
      return "(no ribbon interface)";
    }
    BSTR xml = nullptr;
    BSTR id = SysAllocString(L"Microsoft.Word.Document");
    const HRESULT result = ribbon->GetCustomUI(id, &xml);
    SysFreeString(id);
    ribbon->Release();
    std::string text = SUCCEEDED(result) ? narrow(xml) : "(failed)";
    SysFreeString(xml);
    return text;
  }

  _IDTExtensibility2* connection(IDispatch* object) {
    _IDTExtensibility2* addin = nullptr;
    object->QueryInterface(IID__IDTExtensibility2, reinterpret_cast<void**>(&addin));
    return addin;
  }

  std::wstring library_;
  std::wstring folder_;
};

TEST_F(AddinHostTest, EachClassPublishesItsHostsDocumentsWhileConnected) {
  for (const HostCase& host : kHosts) {
    SCOPED_TRACE(std::string(host.golden) + " " + std::to_string(host.openEvent));
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Vantrel", L"clockopen");
    IDispatch* object = create(host.progId);
    ASSERT_NE(object, nullptr);
    _IDTExtensibility2* addin = connection(object);
    ASSERT_NE(addin, nullptr);
    FakeApplication* app = application(host, kOfficePath);

    EXPECT_EQ(ribbon(object), "") << "no host yet";
    EXPECT_EQ(addin->OnConnection(app, ext_cm_Startup, nullptr, nullptr), S_OK);
    EXPECT_EQ(regNumber(HKEY_CURRENT_USER, L"Vantrel", L"clockopen"), 32u);
    EXPECT_EQ(app->sinks(), 1u);
    EXPECT_EQ(ribbon(object), golden(host.golden));

    auto* document = new FakeObject;
    document->set(L"Name", std::wstring(host.document));
    app->fire(host.openEvent, document);
    EXPECT_EQ(handOver(host.value), std::wstring(host.document));
    // The action gate raised the stored version to the library's.
    EXPECT_EQ(handOver(L"Version"), std::wstring(L"5.2"));

    EXPECT_EQ(addin->OnDisconnection(ext_dm_HostShutdown, nullptr), S_OK);
    EXPECT_EQ(app->sinks(), 0u) << "the sink still listens after disconnection";
    EXPECT_EQ(handOver(host.value), std::nullopt);
    EXPECT_EQ(regNumber(HKEY_CURRENT_USER, L"Vantrel", L"clockopen"), std::nullopt);
    EXPECT_EQ(ribbon(object), "");

    document->Release();
    app->Release();
    addin->Release();
    object->Release();
  }
}

TEST_F(AddinHostTest, PresentationHostFollowsSlideShowsAndOtherHostsKeepClockOpen) {
  const HostCase& host = kHosts[2];
  IDispatch* object = create(host.progId);
  ASSERT_NE(object, nullptr);
  _IDTExtensibility2* addin = connection(object);
  FakeApplication* app = application(host, kOfficePath);
  ASSERT_EQ(addin->OnConnection(app, ext_cm_Startup, nullptr, nullptr), S_OK);

  auto* window = new FakeObject;
  window->set(L"Application", static_cast<IDispatch*>(app));
  setShowCount(app, 1);
  app->fire(kSlideShowBegin, window);
  EXPECT_EQ(handOver(L"filename3"), std::wstring(L"show.pptx"));

  // A second show while the first runs leaves the value alone.
  setShowCount(app, 2);
  app->fire(kSlideShowBegin, window);
  EXPECT_EQ(handOver(L"filename3"), std::wstring(L"show.pptx"));

  auto* presentation = new FakeObject;
  presentation->set(L"Application", static_cast<IDispatch*>(app));
  app->fire(kSlideShowEnd, presentation);
  EXPECT_EQ(handOver(L"filename3"), std::wstring(L"show.pptx")) << "another show still runs";
  setShowCount(app, 1);
  app->fire(kSlideShowEnd, presentation);
  EXPECT_EQ(handOver(L"filename3"), std::nullopt);

  // A workbook recorded by the spreadsheet host keeps clockopen when this host goes.
  const std::wstring workbook = L"sums.xlsx";
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Vantrel", L"filename1", REG_SZ, workbook.c_str(),
                  static_cast<DWORD>((workbook.size() + 1) * sizeof(wchar_t)));
  EXPECT_EQ(addin->OnDisconnection(ext_dm_UserClosed, nullptr), S_OK);
  EXPECT_EQ(regNumber(HKEY_CURRENT_USER, L"Vantrel", L"clockopen"), 32u);
  EXPECT_EQ(handOver(L"filename1"), workbook);

  window->Release();
  presentation->Release();
  app->Release();
  addin->Release();
  object->Release();
}

TEST_F(AddinHostTest, WpsHostGetsTheLibrarysBitmapsThroughGetImage) {
  const HostCase& host = kHosts[2];
  IDispatch* object = create(host.progId);
  ASSERT_NE(object, nullptr);
  _IDTExtensibility2* addin = connection(object);
  FakeApplication* app = application(
      host, L"C:\\Users\\me\\AppData\\Local\\Kingsoft\\WPS Office\\11.1.0.11664\\office6");
  ASSERT_EQ(addin->OnConnection(app, ext_cm_Startup, nullptr, nullptr), S_OK);
  EXPECT_EQ(ribbon(object), golden("presentation_wps_clock"));

  for (const auto& [id, expected] : std::vector<std::pair<std::wstring, bool>>{{L"Button2", true},
                                                                               {L"Button3", true},
                                                                               {L"Button4", true},
                                                                               {L"button3", false},
                                                                               {L"Other", false}}) {
    auto* control = new FakeObject;
    control->set(L"Id", id);
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(callByName(object, L"GetImage", control, &result), S_OK);
    IPicture* picture = nullptr;
    if (result.vt == VT_DISPATCH && result.pdispVal != nullptr) {
      result.pdispVal->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&picture));
    }
    EXPECT_EQ(picture != nullptr, expected);
    if (picture != nullptr) {
      SHORT type = 0;
      picture->get_Type(&type);
      EXPECT_EQ(type, PICTYPE_BITMAP);
      OLE_HANDLE handle = 0;
      picture->get_Handle(&handle);
      BITMAP bitmap{};
      GetObjectW(reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(handle)), sizeof(bitmap), &bitmap);
      EXPECT_EQ(bitmap.bmWidth, 32);
      EXPECT_EQ(bitmap.bmHeight, 32);
      EXPECT_EQ(bitmap.bmBitsPixel, 24);
      picture->Release();
    }
    VariantClear(&result);
    control->Release();
  }
  // A click on an id that names no button does nothing and reports no error.
  auto* control = new FakeObject;
  control->set(L"Id", std::wstring(L"SampleGroup1"));
  VARIANT result;
  VariantInit(&result);
  EXPECT_EQ(callByName(object, L"mybuttons", control, &result), S_OK);
  control->Release();

  addin->OnDisconnection(ext_dm_HostShutdown, nullptr);
  app->Release();
  addin->Release();
  object->Release();
}

TEST_F(AddinHostTest, NoErrorReachesTheHostWithoutAnApplication) {
  for (const HostCase& host : kHosts) {
    IDispatch* object = create(host.progId);
    ASSERT_NE(object, nullptr);
    _IDTExtensibility2* addin = connection(object);
    EXPECT_EQ(addin->OnConnection(nullptr, ext_cm_Startup, nullptr, nullptr), S_OK);
    EXPECT_EQ(regNumber(HKEY_CURRENT_USER, L"Vantrel", L"clockopen"), 32u);
    EXPECT_EQ(ribbon(object), "");
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(callByName(object, L"GetImage", nullptr, &result), S_OK);
    EXPECT_EQ(callByName(object, L"mybuttons", nullptr, &result), S_OK);
    EXPECT_EQ(addin->OnDisconnection(ext_dm_HostShutdown, nullptr), S_OK);
    addin->Release();
    object->Release();
  }
}

TEST_F(AddinHostTest, RegistrationWroteClassesTypeLibraryAndAddinKeys) {
  const std::vector<std::pair<std::wstring, std::wstring>> hosts = {
      {L"Word", L"Horalink.OfficeWd"},
      {L"Excel", L"Horalink.OfficeET"},
      {L"PowerPoint", L"Horalink.OfficePT"}};
  for (const auto& [hostName, progId] : hosts) {
    const std::wstring user = L"Software\\Microsoft\\Office\\" + hostName + L"\\Addins\\" + progId;
    EXPECT_EQ(regText(HKEY_CURRENT_USER, user, L"FriendlyName"), std::wstring(L"Horalix"));
    EXPECT_EQ(regText(HKEY_CURRENT_USER, user, L"Description"), std::wstring(L"用于办公软件计时"));
    EXPECT_EQ(regNumber(HKEY_CURRENT_USER, user, L"LoadBehavior"), 3u);
    const std::wstring machine =
        L"SOFTWARE\\Microsoft\\Office\\" + hostName + L"\\Addins\\" + progId;
    EXPECT_EQ(regNumber(HKEY_LOCAL_MACHINE, machine, L"LoadBehavior"), 3u);
    EXPECT_EQ(regNumber(HKEY_LOCAL_MACHINE, machine, L"CommandLineSafe"), 1u);
    EXPECT_EQ(regText(HKEY_LOCAL_MACHINE, machine, L"FriendlyName"), std::wstring(L"Horalix"));
  }
  ITypeLib* library = nullptr;
  EXPECT_EQ(LoadRegTypeLib(LIBID_Horalink, 1, 0, 0x0409, &library), S_OK);
  if (library != nullptr) {
    BSTR name = nullptr;
    library->GetDocumentation(-1, &name, nullptr, nullptr, nullptr);
    EXPECT_EQ(narrow(name), "Horalink");
    SysFreeString(name);
    library->Release();
  }
}

// What a late-bound caller reads of each class: its own default interface, and for the
// connection and ribbon interfaces the hosts' own; through those two a host that calls by name
// connects the add-in, gets its ribbon and disconnects it.
TEST_F(AddinHostTest, EachClassDescribesItsOwnDefaultInterface) {
  for (const HostCase& host : kHosts) {
    IDispatch* object = create(host.progId);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(typeName(object), host.defaultInterface);
    object->Release();
  }
}

TEST_F(AddinHostTest, ConnectionAndRibbonInterfacesAnswerCallsByName) {
  for (const HostCase& host : kHosts) {
    SCOPED_TRACE(host.defaultInterface);
    IDispatch* object = create(host.progId);
    ASSERT_NE(object, nullptr);
    IDispatch* connection = face(object, IID__IDTExtensibility2);
    IDispatch* ribbon = face(object, IID_IRibbonExtensibility);
    ASSERT_NE(connection, nullptr);
    ASSERT_NE(ribbon, nullptr);
    EXPECT_EQ(typeName(connection), "_IDTExtensibility2");
    EXPECT_EQ(typeName(ribbon), "IRibbonExtensibility");
    FakeApplication* app = application(host, kOfficePath);
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    VARIANT customArgument;
    VariantInit(&customArgument);
    customArgument.vt = VT_ARRAY | VT_VARIANT | VT_BYREF;
    customArgument.pparray = &custom;

    EXPECT_EQ(invokeByName(connection, L"OnConnection",
                           {objectArgument(app), numberArgument(ext_cm_Startup),
                            objectArgument(nullptr), customArgument},
                           nullptr),
              S_OK);
    EXPECT_EQ(regNumber(HKEY_CURRENT_USER, L"Vantrel", L"clockopen"), 32u);
    EXPECT_EQ(app->sinks(), 1u);

    VARIANT ribbonId;
    VariantInit(&ribbonId);
    ribbonId.vt = VT_BSTR;
    ribbonId.bstrVal = SysAllocString(L"Microsoft.Word.Document");
    VARIANT xml;
    VariantInit(&xml);
    EXPECT_EQ(invokeByName(ribbon, L"GetCustomUI", {ribbonId}, &xml), S_OK);
    EXPECT_EQ(xml.vt == VT_BSTR ? narrow(xml.bstrVal) : "(no text)", golden(host.golden));
    VariantClear(&xml);
    VariantClear(&ribbonId);

    EXPECT_EQ(invokeByName(connection, L"OnDisconnection",
                           {numberArgument(ext_dm_HostShutdown), customArgument}, nullptr),
              S_OK);
    EXPECT_EQ(app->sinks(), 0u);
    EXPECT_EQ(regNumber(HKEY_CURRENT_USER, L"Vantrel", L"clockopen"), std::nullopt);

    SafeArrayDestroy(custom);
    app->Release();
    ribbon->Release();
    connection->Release();
    object->Release();
  }
}

// A host may shut COM down right after disconnecting the add-in and unload the library only
// later: the scripting-shell object is made within each of the host's calls and let go before
// the call returns, and nothing of the add-in is alive once the host let its objects go.
TEST_F(AddinHostTest, NoObjectOfTheAddinOutlivesTheHostsCalls) {
  FakeShellClass shells;
  ASSERT_TRUE(shells.registered());
  const HostCase& host = kHosts[2];
  IDispatch* object = create(host.progId);
  ASSERT_NE(object, nullptr);
  _IDTExtensibility2* addin = connection(object);
  FakeApplication* app = application(host, kOfficePath);

  EXPECT_EQ(addin->OnConnection(app, ext_cm_Startup, nullptr, nullptr), S_OK);
  EXPECT_GT(shells.made(), 0) << "the connection did not make its own shell object";
  EXPECT_EQ(shells.alive(), 0) << "a shell object is kept after the connection";
  // The fake shell refuses every verb: the registry functions wrote the value.
  EXPECT_EQ(regNumber(HKEY_CURRENT_USER, L"Vantrel", L"clockopen"), 32u);

  auto* document = new FakeObject;
  document->set(L"Name", std::wstring(host.document));
  const long madeBefore = shells.made();
  app->fire(host.openEvent, document);
  EXPECT_GT(shells.made(), madeBefore);
  EXPECT_EQ(shells.alive(), 0) << "a shell object is kept after a document event";
  EXPECT_EQ(handOver(host.value), std::wstring(host.document));

  EXPECT_EQ(addin->OnDisconnection(ext_dm_HostShutdown, nullptr), S_OK);
  EXPECT_EQ(shells.alive(), 0) << "a shell object is kept after the disconnection";
  EXPECT_EQ(handOver(host.value), std::nullopt);

  document->Release();
  app->Release();
  addin->Release();
  object->Release();
  const HMODULE library = GetModuleHandleW(L"Horalink32.dll");
  ASSERT_NE(library, nullptr);
  using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();
  const auto canUnloadNow = reinterpret_cast<CanUnloadNow>(
      reinterpret_cast<void*>(GetProcAddress(library, "DllCanUnloadNow")));
  ASSERT_NE(canUnloadNow, nullptr);
  EXPECT_EQ(canUnloadNow(), S_OK) << "an object of the add-in is still alive";
}

// Nor does the add-in keep a share of COM on the host's thread: when the host shuts COM down
// after the add-in has written its values, COM is down on that thread.
TEST_F(AddinHostTest, TheHostsShutdownOfComIsNotHeldUpByTheAddin) {
  const HostCase& host = kHosts[0];
  IDispatch* object = create(host.progId);
  ASSERT_NE(object, nullptr);
  _IDTExtensibility2* addin = connection(object);
  FakeApplication* app = application(host, kOfficePath);
  EXPECT_EQ(addin->OnConnection(app, ext_cm_Startup, nullptr, nullptr), S_OK);
  EXPECT_EQ(regNumber(HKEY_CURRENT_USER, L"Vantrel", L"clockopen"), 32u);
  EXPECT_EQ(addin->OnDisconnection(ext_dm_HostShutdown, nullptr), S_OK);
  app->Release();
  addin->Release();
  object->Release();

  CoUninitialize();
  const HRESULT again = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  EXPECT_EQ(again, S_OK) << "COM stayed initialised on the host's thread after its shutdown";
  if (again == S_FALSE) CoUninitialize();
}

// What Windows and the hosts' add-in managers show of the library, and the flag by which an
// installer knows that the library registers itself.
TEST_F(AddinHostTest, VersionResourceNamesTheLibrary) {
  std::vector<BYTE> data(GetFileVersionInfoSizeW(library_.c_str(), nullptr));
  ASSERT_FALSE(data.empty());
  ASSERT_TRUE(
      GetFileVersionInfoW(library_.c_str(), 0, static_cast<DWORD>(data.size()), data.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
  for (const auto& [most, least] :
       {std::pair{fixed->dwFileVersionMS, fixed->dwFileVersionLS},
        std::pair{fixed->dwProductVersionMS, fixed->dwProductVersionLS}}) {
    EXPECT_EQ(std::vector<int>({HIWORD(most), LOWORD(most), HIWORD(least), LOWORD(least)}),
              std::vector<int>({5, 2, 0, 888}));
  }
  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &size));
  ASSERT_GE(size, 2 * sizeof(WORD));
  wchar_t block[64];
  swprintf(block, 64, L"\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
  const auto text = [&](const wchar_t* name) -> std::optional<std::wstring> {
    wchar_t* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), (std::wstring(block) + name).c_str(),
                        reinterpret_cast<void**>(&value), &length)) {
      return std::nullopt;
    }
    return std::wstring(value, length > 0 ? length - 1 : 0);
  };
  EXPECT_EQ(text(L"FileVersion"), std::wstring(L"5.02.0888"));
  EXPECT_EQ(text(L"ProductVersion"), std::wstring(L"5.02.0888"));
  EXPECT_EQ(text(L"FileDescription"), std::wstring(L"用于办公软件计时"));
  EXPECT_EQ(text(L"ProductName"), std::wstring(L"Horalix"));
  EXPECT_TRUE(text(L"OLESelfRegister").has_value());
}

// The shows that run are counted in the application of the window that raised the event, and
// of the presentation whose show ended, even where that is not the application the add-in was
// connected with.
TEST_F(AddinHostTest, SlideShowsAreCountedInTheEventsApplication) {
  const HostCase& host = kHosts[2];
  IDispatch* object = create(host.progId);
  ASSERT_NE(object, nullptr);
  _IDTExtensibility2* addin = connection(object);
  FakeApplication* connected = application(host, kOfficePath);
  FakeApplication* shown = application(host, kOfficePath);
  ASSERT_EQ(addin->OnConnection(connected, ext_cm_Startup, nullptr, nullptr), S_OK);
  auto* window = new FakeObject;
  window->set(L"Application", static_cast<IDispatch*>(shown));

  setShowCount(connected, 2);
  setShowCount(shown, 1);
  connected->fire(kSlideShowBegin, window);
  EXPECT_EQ(handOver(L"filename3"), std::wstring(L"show.pptx")) << "the only show began";

  RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Vantrel", L"filename3");
  setShowCount(connected, 1);
  setShowCount(shown, 2);
  connected->fire(kSlideShowBegin, window);
  EXPECT_EQ(handOver(L"filename3"), std::nullopt) << "a second show began";

  const std::wstring running = L"first.pptx";
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Vantrel", L"filename3", REG_SZ, running.c_str(),
                  static_cast<DWORD>((running.size() + 1) * sizeof(wchar_t)));
  auto* presentation = new FakeObject;
  presentation->set(L"Application", static_cast<IDispatch*>(shown));
  setShowCount(connected, 0);
  connected->fire(kSlideShowEnd, presentation);
  EXPECT_EQ(handOver(L"filename3"), running) << "another show still runs";
  setShowCount(connected, 2);
  setShowCount(shown, 1);
  connected->fire(kSlideShowEnd, presentation);
  EXPECT_EQ(handOver(L"filename3"), std::nullopt) << "the last show ended";

  addin->OnDisconnection(ext_dm_HostShutdown, nullptr);
  presentation->Release();
  window->Release();
  shown->Release();
  connected->Release();
  addin->Release();
  object->Release();
}

}  // namespace
}  // namespace horalix::test
