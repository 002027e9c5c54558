# SQLite: the native build uses the system library; the Windows builds compile the amalgamation
# that scripts/fetch-sqlite.sh builds from Debian's source package into the build tree.
if(WIN32)
  set(HORALIX_SQLITE_DIR "" CACHE PATH "Folder holding sqlite3.c and sqlite3.h")
  if(NOT HORALIX_SQLITE_DIR)
    set(HORALIX_SQLITE_DIR ${CMAKE_SOURCE_DIR}/build/deps/sqlite)
  endif()
  if(NOT EXISTS ${HORALIX_SQLITE_DIR}/sqlite3.c)
    message(FATAL_ERROR "sqlite3.c not found in ${HORALIX_SQLITE_DIR}; run scripts/fetch-sqlite.sh first")
  endif()
  add_library(horalix_sqlite STATIC ${HORALIX_SQLITE_DIR}/sqlite3.c)
  target_include_directories(horalix_sqlite SYSTEM PUBLIC ${HORALIX_SQLITE_DIR})
  # Without what the program never uses: threads, extensions, memory statistics, deprecated,
  # shared-cache, authoriser, trace, get-table, statement-completion and incremental-blob
  # interfaces, progress callbacks, declared column types, EXPLAIN, the introspection pragmas,
  # Tcl-style parameters, the JSON and date-and-time functions, the compile-option, integrity,
  # schema and flag pragmas, serialisation, memory mapping and the test hooks, and the planner's
  # optional shortcuts (automatic indexes, BETWEEN/LIKE/OR rewrites, the INSERT-SELECT transfer,
  # quick balancing), which change speed only. Database files of every kind stay readable
  # (UTF-16, WAL and auto-vacuum are kept). SQLITE_OMIT_AUTOINIT must stay off: the program never
  # calls sqlite3_initialize itself.
  target_compile_definitions(horalix_sqlite PRIVATE SQLITE_THREADSAFE=0 SQLITE_OMIT_LOAD_EXTENSION
    SQLITE_DEFAULT_MEMSTATUS=0 SQLITE_OMIT_DEPRECATED SQLITE_OMIT_SHARED_CACHE
    SQLITE_OMIT_AUTHORIZATION SQLITE_OMIT_TRACE SQLITE_OMIT_GET_TABLE SQLITE_OMIT_COMPLETE
    SQLITE_OMIT_INCRBLOB SQLITE_OMIT_PROGRESS_CALLBACK SQLITE_OMIT_DECLTYPE SQLITE_OMIT_EXPLAIN
    SQLITE_OMIT_INTROSPECTION_PRAGMAS SQLITE_OMIT_TCL_VARIABLE SQLITE_OMIT_JSON SQLITE_USE_ALLOCA
    SQLITE_OMIT_COMPILEOPTION_DIAGS SQLITE_OMIT_DESERIALIZE SQLITE_OMIT_AUTOMATIC_INDEX
    SQLITE_OMIT_BETWEEN_OPTIMIZATION SQLITE_OMIT_LIKE_OPTIMIZATION SQLITE_OMIT_OR_OPTIMIZATION
    SQLITE_OMIT_XFER_OPT SQLITE_OMIT_QUICKBALANCE SQLITE_OMIT_INTEGRITY_CHECK
    SQLITE_OMIT_SCHEMA_PRAGMAS SQLITE_OMIT_SCHEMA_VERSION_PRAGMAS SQLITE_OMIT_FLAG_PRAGMAS
    SQLITE_UNTESTABLE SQLITE_MAX_MMAP_SIZE=0 SQLITE_OMIT_CASE_SENSITIVE_LIKE_PRAGMA
    SQLITE_OMIT_DATETIME_FUNCS)
  # No C++ exception ever passes through SQLite's C code (it calls no callback of ours): it
  # needs no unwind tables.
  target_compile_options(horalix_sqlite PRIVATE -fno-asynchronous-unwind-tables -fno-unwind-tables)
else()
  find_package(SQLite3 REQUIRED)
  add_library(horalix_sqlite INTERFACE)
  target_link_libraries(horalix_sqlite INTERFACE SQLite::SQLite3)
endif()
