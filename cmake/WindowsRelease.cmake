# The release configuration of the Windows builds (the win32 presets, and so the Wine tests):
# optimised for size, every function and datum in a section of its own so that the linker drops
# what nothing uses, and no symbols in the deliverables. No link-time optimisation: with -Os it
# miscompiles the program with this MinGW GCC.
if(NOT WIN32)
  return()
endif()
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
add_compile_options("$<$<CONFIG:Release>:-ffunction-sections;-fdata-sections>")
add_link_options("$<$<CONFIG:Release>:-Wl,--gc-sections;-s>")
