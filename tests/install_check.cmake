# Installs the build into a fresh prefix and checks that exactly the program, its menu entry and
# icon, its software-centre page and its manual page arrive, and that the desktop tools accept them.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -P install_check.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
set(expected
  bin/flightcalc
  share/applications/${APP_ID}.desktop)
foreach(size IN ITEMS 128 16 24 256 32 48 64)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
list(APPEND expected share/icons/hicolor/scalable/apps/${APP_ID}.svg)
list(APPEND expected share/man/man1/flightcalc.1.gz share/metainfo/${APP_ID}.metainfo.xml)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()

execute_process(COMMAND desktop-file-validate ${PREFIX}/share/applications/${APP_ID}.desktop
  COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND appstreamcli validate --no-net --pedantic
                        ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml
  OUTPUT_VARIABLE report COMMAND_ERROR_IS_FATAL ANY)
# Pedantic remarks count too: the page is shown as it is in every software centre. The one
# remark allowed is about the developer's name, which the page gives in both forms: AppStream 1.0
# (Debian 13) calls the older tag deprecated, the 0.16 of Debian 12 does not know the newer one.
string(REGEX REPLACE "I: [^\n]*: (developer-name-tag-deprecated|unknown-tag developer)\n" ""
  remarks "${report}")
string(REGEX MATCH "(^|\n)[EWIP]: [^\n]*" remark "${remarks}")
if(NOT report MATCHES "Validation was successful" OR NOT remark STREQUAL "")
  message(FATAL_ERROR "appstreamcli:\n${report}")
endif()
