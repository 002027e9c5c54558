# SQLite: the native build uses the system library; the Windows builds compile the amalgamation
# that scripts/fetch-sqlite.sh builds from Debian's source package into the build tree.
if(WIN32)
  set(HORALIX_SQLITE_DIR "" CACHE PATH "Folder holding sqlite3.c and sqlite3.h")
  if(NOT HORALIX_SQLITE_DIR)
    set(HORALIX_SQLITE_DIR ${CMAKE_SOURCE_DIR}/build/deps/sqlite)
  endif()
  # The options, one list for this build and for the amalgamation's generated parser: an
  # amalgamation made with other options (or none recorded) is made again first.
  set(options_file ${CMAKE_SOURCE_DIR}/cmake/sqlite-options.txt)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${options_file})
  file(STRINGS ${options_file} sqlite_options REGEX "^[^#]")
  list(TRANSFORM sqlite_options STRIP)
  list(FILTER sqlite_options EXCLUDE REGEX "^$")
  set(made_with "")
  if(EXISTS ${HORALIX_SQLITE_DIR}/options.txt)
    file(STRINGS ${HORALIX_SQLITE_DIR}/options.txt made_with)
  endif()
  if(NOT EXISTS ${HORALIX_SQLITE_DIR}/sqlite3.c)
    message(FATAL_ERROR "sqlite3.c not found in ${HORALIX_SQLITE_DIR}; run scripts/fetch-sqlite.sh first")
  endif()
  if(NOT made_with STREQUAL sqlite_options)
    message(FATAL_ERROR "${HORALIX_SQLITE_DIR}/sqlite3.c was made with other options than "
      "cmake/sqlite-options.txt lists; run scripts/fetch-sqlite.sh again")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${HORALIX_SQLITE_DIR}/options.txt)
  add_library(horalix_sqlite STATIC ${HORALIX_SQLITE_DIR}/sqlite3.c)
  target_include_directories(horalix_sqlite SYSTEM PUBLIC ${HORALIX_SQLITE_DIR})
  # Without what the program never uses: threads, extensions, memory statistics, deprecated,
  # shared-cache, authoriser, trace, get-table, statement-completion and incremental-blob
  # interfaces, progress callbacks, declared column types, EXPLAIN, the introspection pragmas,
  # Tcl-style parameters, the JSON and date-and-time functions, the compile-option, integrity,
  # schema and flag pragmas, serialisation, memory mapping and the test hooks, and the planner's
  # optional shortcuts (automatic indexes, BETWEEN/LIKE/OR rewrites, the INSERT-SELECT transfer,
  # quick balancing), which change speed only. Its statements (SELECT, INSERT, UPDATE, DELETE and
  # transactions on plain tables) need none of the statements and clauses left out as well:
  # window functions, views, common table expressions, upserts, virtual tables, ALTER TABLE,
  # ANALYZE, REINDEX, foreign keys (never enforced by default anyway) and generated columns.
  # (ATTACH and VACUUM stay: this SQLite does not link without them. Triggers stay: the tests
  # make the engine refuse a write with one.) Database files of every kind stay readable: UTF-16,
  # WAL and auto-vacuum files are kept, statistics tables are merely not consulted; only a schema
  # that itself holds a view, a virtual table or a generated column (which the program's database
  # never has) is refused as malformed when the file is opened. SQLITE_OMIT_AUTOINIT must stay
  # off: the program never calls sqlite3_initialize itself.
  target_compile_definitions(horalix_sqlite PRIVATE ${sqlite_options})
  # No C++ exception ever passes through SQLite's C code (it calls no callback of ours): it
  # needs no unwind tables.
  target_compile_options(horalix_sqlite PRIVATE -fno-asynchronous-unwind-tables -fno-unwind-tables)
else()
  find_package(SQLite3 REQUIRED)
  add_library(horalix_sqlite INTERFACE)
  target_link_libraries(horalix_sqlite INTERFACE SQLite::SQLite3)
endif()
