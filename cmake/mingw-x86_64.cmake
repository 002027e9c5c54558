# Windows x86_64 with Debian's MinGW-w64 (the build that runs under wine64 in the tests).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(HORALIX_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
