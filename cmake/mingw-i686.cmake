# Windows i686 with Debian's MinGW-w64 (the shipped 32-bit build that 32-bit Office hosts load).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(HORALIX_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
