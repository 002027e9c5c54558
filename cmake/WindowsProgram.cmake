# The two Windows deliverables, built straight into the program folder dist/win32-<arch>/ with
# the files that the program's start-up check requires beside them:
#   Horalix.exe     the tray timer clock (GUI program, entry point wWinMain)
#   Horalink32.dll  the Office/WPS COM add-in
# and the files of cmake/Package.cmake (TimeData.db, OfficeData.db, help.chm, sounds\, ...).
enable_language(RC)
include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)

if(NOT HORALIX_TARGET_ARCH)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(HORALIX_TARGET_ARCH x64)
  else()
    set(HORALIX_TARGET_ARCH x86)
  endif()
endif()
set(HORALIX_DIST_DIR ${CMAKE_SOURCE_DIR}/dist/win32-${HORALIX_TARGET_ARCH}
  CACHE PATH "Program folder that the Windows build lays out")

horalix_package_files(${HORALIX_DIST_DIR})

# Resources: the version numbers come from project(); the icon is drawn by the build.
set(resources ${CMAKE_SOURCE_DIR}/package/resources)
configure_file(${resources}/version.rc.in ${CMAKE_BINARY_DIR}/package/version.rc @ONLY)
set_source_files_properties(${resources}/horalix.rc ${resources}/horalink32.rc PROPERTIES
  INCLUDE_DIRECTORIES "${CMAKE_BINARY_DIR}/package;${resources}"
  OBJECT_DEPENDS "${CMAKE_BINARY_DIR}/package/version.rc;${resources}/horalix.manifest")
set_property(SOURCE ${resources}/horalix.rc APPEND PROPERTY
  OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/package/horalix.ico)

# Horalix.exe: wWinMain, so -municode; UTF-16 at the API, as the Win32 backend expects.
file(GLOB program_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/program/win32/*.cpp)
add_executable(Horalix WIN32 ${program_sources} ${resources}/horalix.rc)
target_link_libraries(Horalix PRIVATE horalix_app horalix_win32)
horalix_include_view(Horalix program/win32)
target_link_libraries(Horalix PRIVATE horalix_options)
target_compile_options(Horalix PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-municode>)
target_link_options(Horalix PRIVATE -municode)
set_target_properties(Horalix PROPERTIES
  OUTPUT_NAME Horalix
  RUNTIME_OUTPUT_DIRECTORY ${HORALIX_DIST_DIR})
add_dependencies(Horalix horalix_package)

# The add-in's type library, compiled by widl from our IDL (with the header that declares its
# interfaces to C++), the type library of the hosts' interfaces that its classes answer by name,
# and its ribbon bitmaps for WPS hosts, drawn by the build: all go into the library's resources. widl takes the system IDL files it imports from Wine's headers and the
# OLE type library from Wine's 64-bit files.
set(addin_work ${CMAKE_BINARY_DIR}/addin)
find_program(HORALIX_WIDL ${HORALIX_MINGW_TRIPLE}-widl)
if(NOT HORALIX_WIDL)
  message(FATAL_ERROR "'${HORALIX_MINGW_TRIPLE}-widl' not found: the add-in's type library is "
    "made with it. Install the Debian package 'mingw-w64-tools' (bash scripts/install-deps.sh).")
endif()
find_path(HORALIX_WINE_IDL oaidl.idl PATHS /usr/include/wine/wine/windows NO_CMAKE_FIND_ROOT_PATH)
find_path(HORALIX_STDOLE2 stdole2.tlb PATHS /usr/lib/x86_64-linux-gnu/wine/x86_64-windows
  /usr/lib/wine/x86_64-windows NO_CMAKE_FIND_ROOT_PATH)
if(NOT HORALIX_WINE_IDL OR NOT HORALIX_STDOLE2)
  message(FATAL_ERROR "oaidl.idl or stdole2.tlb not found: the add-in's type library imports "
    "them. Install the Debian packages 'libwine-dev' and 'wine64' (bash scripts/install-deps.sh).")
endif()
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(widl_target --win64)
else()
  set(widl_target --win32)
endif()
set(addin_idl ${CMAKE_SOURCE_DIR}/src/addin/win32/horalink.idl)
add_custom_command(OUTPUT ${addin_work}/horalink.tlb ${addin_work}/horalink_h.h
  COMMAND ${CMAKE_COMMAND} -E make_directory ${addin_work}
  COMMAND ${HORALIX_WIDL} ${widl_target} -I${HORALIX_WINE_IDL} -L${HORALIX_STDOLE2}
    -t -o ${addin_work}/horalink.tlb -h -H ${addin_work}/horalink_h.h ${addin_idl}
  DEPENDS ${addin_idl}
  COMMENT "Type library of Horalink32")
set(host_interfaces_idl ${CMAKE_SOURCE_DIR}/src/addin/win32/host_interfaces.idl)
add_custom_command(OUTPUT ${addin_work}/host_interfaces.tlb
  COMMAND ${CMAKE_COMMAND} -E make_directory ${addin_work}
  COMMAND ${HORALIX_WIDL} ${widl_target} -I${HORALIX_WINE_IDL} -I${CMAKE_SOURCE_DIR}/src/addin/win32
    -L${HORALIX_STDOLE2} -t -o ${addin_work}/host_interfaces.tlb ${host_interfaces_idl}
  DEPENDS ${host_interfaces_idl} ${addin_idl}
  COMMENT "Type library of the hosts' interfaces in Horalink32")
set(addin_bitmaps ${addin_work}/button102.bmp ${addin_work}/button103.bmp
  ${addin_work}/button104.bmp)
add_custom_command(OUTPUT ${addin_bitmaps}
  COMMAND bash ${CMAKE_SOURCE_DIR}/package/pictures/make-pictures.sh buttons ${addin_work}
  DEPENDS ${CMAKE_SOURCE_DIR}/package/pictures/make-pictures.sh
  COMMENT "Ribbon button bitmaps")
add_custom_target(horalink_resources DEPENDS ${addin_work}/horalink.tlb ${addin_work}/horalink_h.h
  ${addin_work}/host_interfaces.tlb ${addin_bitmaps})
set_property(SOURCE ${resources}/horalink32.rc APPEND PROPERTY
  OBJECT_DEPENDS ${addin_work}/horalink.tlb ${addin_work}/host_interfaces.tlb ${addin_bitmaps})
set_property(SOURCE ${resources}/horalink32.rc APPEND PROPERTY INCLUDE_DIRECTORIES ${addin_work})

# Horalink32.dll: an in-process COM server. Its exports are named in the .def file, undecorated
# on both architectures (the i686 stdcall names would otherwise carry "@n").
# Its Win32 part (src/addin/win32) stands over the add-in's portable library.
file(GLOB addin_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/addin/win32/*.cpp)
file(GLOB addin_exports CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/addin/win32/*.def)
add_library(Horalink32 SHARED ${addin_sources} ${addin_exports} ${resources}/horalink32.rc)
horalix_include_view(Horalink32 addin/win32)
target_include_directories(Horalink32 PRIVATE ${addin_work})
add_dependencies(Horalink32 horalink_resources)
target_link_libraries(Horalink32 PRIVATE horalix_addin horalix_platform horalix_win32
  ole32 oleaut32 uuid advapi32 shell32 user32)
target_link_libraries(Horalink32 PRIVATE horalix_options)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  target_link_options(Horalink32 PRIVATE -Wl,--enable-stdcall-fixup)
endif()
set_target_properties(Horalink32 PROPERTIES
  PREFIX ""
  OUTPUT_NAME Horalink32
  RUNTIME_OUTPUT_DIRECTORY ${HORALIX_DIST_DIR}
  ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
add_dependencies(Horalink32 horalix_package)
