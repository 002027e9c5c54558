# The files of the program folder besides the two deliverables, made from the sources in
# package/ by tools from Debian packages (scripts/install-deps.sh installs them).
#
# horalix_package_files(FOLDER) adds the target horalix_package, which writes into FOLDER:
#   TimeData.db    INI defaults, a copy of package/TimeData.ini
#   OfficeData.db  empty database made by sqlite3 from package/OfficeData.sql
#   help.chm       help pages compiled by chmcmd
#   sounds\        default sounds made by sox
#   LightPic\      spotlight bitmaps, picture\icon.ico, picture\online-help.bmp and the clock's
#                  hover buttons picture\hover-play.bmp and picture\hover-stop.bmp, the settings
#                  window's tabs picture\tab-rest.bmp, tab-hover.bmp and tab-selected.bmp, drawn by
#                  ImageMagick
#   font\          no font is shipped; the folder holds only .keep
# Each file is remade only when its sources change. The program writes to TimeData.db and
# OfficeData.db while it runs; a build keeps those changes until their sources change. The two
# stores as made stay in ${CMAKE_BINARY_DIR}/package/made/, for scripts/check-stores.sh to tell
# whether a run of the tests wrote into the program folder.
# It also makes ${CMAKE_BINARY_DIR}/package/horalix.ico for the program's resources.

function(horalix_require_tool variable program package purpose)
  find_program(${variable} ${program})
  if(NOT ${variable})
    message(FATAL_ERROR "'${program}' not found: ${purpose} is made with it. Install the Debian "
      "package '${package}' (bash scripts/install-deps.sh installs everything the build needs).")
  endif()
endfunction()

function(horalix_package_files folder)
  set(package ${CMAKE_SOURCE_DIR}/package)
  set(work ${CMAKE_BINARY_DIR}/package)
  horalix_require_tool(HORALIX_SQLITE3 sqlite3 sqlite3 "OfficeData.db")
  horalix_require_tool(HORALIX_CHMCMD chmcmd fp-utils "help.chm")
  horalix_require_tool(HORALIX_ICONV iconv libc-bin "help.chm")
  horalix_require_tool(HORALIX_SOX sox sox "The sounds folder")
  horalix_require_tool(HORALIX_CONVERT convert imagemagick "The pictures")

  set(made ${work}/made)
  add_custom_command(OUTPUT ${folder}/TimeData.db ${made}/TimeData.db
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder} ${made}
    COMMAND ${CMAKE_COMMAND} -E copy ${package}/TimeData.ini ${made}/TimeData.db
    COMMAND ${CMAKE_COMMAND} -E copy ${made}/TimeData.db ${folder}/TimeData.db
    DEPENDS ${package}/TimeData.ini
    COMMENT "TimeData.db from TimeData.ini")

  # Made aside and moved in place, so that a failed run leaves no half-made database behind.
  add_custom_command(OUTPUT ${folder}/OfficeData.db ${made}/OfficeData.db
    COMMAND ${CMAKE_COMMAND} -E rm -f ${work}/OfficeData.db
    COMMAND ${CMAKE_COMMAND} -E make_directory ${work} ${made} ${folder}
    COMMAND ${HORALIX_SQLITE3} -bail ${work}/OfficeData.db ".read ${package}/OfficeData.sql"
    COMMAND ${CMAKE_COMMAND} -E rename ${work}/OfficeData.db ${made}/OfficeData.db
    COMMAND ${CMAKE_COMMAND} -E copy ${made}/OfficeData.db ${folder}/OfficeData.db
    DEPENDS ${package}/OfficeData.sql
    COMMENT "OfficeData.db from OfficeData.sql")

  file(GLOB help_sources CONFIGURE_DEPENDS ${package}/help/*)
  add_custom_command(OUTPUT ${folder}/help.chm
    COMMAND bash ${package}/help/build-chm.sh ${work}/help ${folder}/help.chm
    DEPENDS ${help_sources}
    COMMENT "help.chm from the help pages")

  set(sounds start.wav Timeout.wav Stop.wav alarm.wav)
  list(TRANSFORM sounds PREPEND ${folder}/sounds/)
  add_custom_command(OUTPUT ${sounds}
    COMMAND bash ${package}/sounds/make-sounds.sh ${folder}/sounds
    DEPENDS ${package}/sounds/make-sounds.sh
    COMMENT "Sounds")

  set(spots)
  foreach(blur 0 1)
    foreach(size 0 1 2 3)
      foreach(shape 0 1 2)
        list(APPEND spots ${folder}/LightPic/${blur}${size}${shape}.bmp)
      endforeach()
    endforeach()
  endforeach()
  add_custom_command(OUTPUT ${spots}
    COMMAND bash ${package}/pictures/make-pictures.sh lightpic ${folder}/LightPic
    DEPENDS ${package}/pictures/make-pictures.sh
    COMMENT "Spotlight bitmaps")

  add_custom_command(OUTPUT ${work}/horalix.ico
    COMMAND bash ${package}/pictures/make-pictures.sh icon ${work}/horalix.ico
    DEPENDS ${package}/pictures/make-pictures.sh
    COMMENT "Program icon")
  add_custom_command(OUTPUT ${folder}/picture/icon.ico
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/picture
    COMMAND ${CMAKE_COMMAND} -E copy ${work}/horalix.ico ${folder}/picture/icon.ico
    DEPENDS ${work}/horalix.ico)

  add_custom_command(OUTPUT ${folder}/picture/online-help.bmp
    COMMAND bash ${package}/pictures/make-pictures.sh help ${folder}/picture/online-help.bmp
    DEPENDS ${package}/pictures/make-pictures.sh
    COMMENT "Online-help picture")

  set(hover_buttons ${folder}/picture/hover-play.bmp ${folder}/picture/hover-stop.bmp)
  add_custom_command(OUTPUT ${hover_buttons}
    COMMAND bash ${package}/pictures/make-pictures.sh hover ${folder}/picture
    DEPENDS ${package}/pictures/make-pictures.sh
    COMMENT "Hover button pictures")

  set(tab_pictures ${folder}/picture/tab-rest.bmp ${folder}/picture/tab-hover.bmp
    ${folder}/picture/tab-selected.bmp)
  add_custom_command(OUTPUT ${tab_pictures}
    COMMAND bash ${package}/pictures/make-pictures.sh tabs ${folder}/picture
    DEPENDS ${package}/pictures/make-pictures.sh
    COMMENT "Settings tab pictures")

  add_custom_command(OUTPUT ${folder}/font/.keep
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/font
    COMMAND ${CMAKE_COMMAND} -E touch ${folder}/font/.keep)

  add_custom_target(horalix_package ALL DEPENDS
    ${folder}/TimeData.db ${folder}/OfficeData.db ${folder}/help.chm ${sounds} ${spots}
    ${work}/horalix.ico ${folder}/picture/icon.ico ${folder}/picture/online-help.bmp
    ${hover_buttons} ${tab_pictures} ${folder}/font/.keep)
endfunction()
