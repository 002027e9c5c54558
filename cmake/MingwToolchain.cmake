# Shared part of the MinGW-w64 toolchain files: mingw-x86_64.cmake and mingw-i686.cmake set
# HORALIX_MINGW_TRIPLE and include this file.
#
# The "-posix" compilers are the ones Debian builds with the POSIX thread model; only they give
# std::thread and std::mutex, and GoogleTest cross-compiles only with them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_VERSION 6.1)

set(CMAKE_C_COMPILER ${HORALIX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HORALIX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${HORALIX_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${HORALIX_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "Archiver")
set(CMAKE_RANLIB ${HORALIX_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "Ranlib")

# Look for libraries and headers of the target only in the MinGW sysroot; programs come from the
# build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${HORALIX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The deliverables run on machines without MinGW: libgcc, libstdc++ and winpthread are linked in
# statically, so that Horalix.exe and Horalink32.dll need no DLL beside them but the system's.
set(horalix_static_runtime "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${horalix_static_runtime}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${horalix_static_runtime}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${horalix_static_runtime}")
unset(horalix_static_runtime)
