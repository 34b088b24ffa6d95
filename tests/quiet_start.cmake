# Starts the program on the offscreen platform with the given environment, a temporary folder
# of its own and the plugin first_paint.cpp, which presses Command2 once the window has been
# painted and then closes it; fails unless it ended with status 0 within a minute, showed the fuel
# weight FUEL (the locale's format), named itself APP_ID to the desktop, kept its runtime files
# where it should, took the C library's locale LOCALE (the characters alone UTF-8 where it is
# not) and wrote nothing to standard error (a coverage build's notes on its own data files are no
# word of the program's). Without FUEL there is nothing to open a window on: status 1 and one
# line. With RUNTIME=1 the runtime folder Qt falls back to is there already, open to all; with
# RUNTIME=session the session names a private one of its own.
#   cmake -DPROGRAM=... -DPLUGINS=... -DENVIRONMENT=LANG=C -DLOCPATH=... -DFUEL=... -DTMP=...
#         -DAPP_ID=... -DLOCALE=C [-DRUNTIME=1|session] -P quiet_start.cmake
file(REMOVE_RECURSE ${TMP})
file(MAKE_DIRECTORY ${TMP})
execute_process(COMMAND id -un OUTPUT_VARIABLE user OUTPUT_STRIP_TRAILING_WHITESPACE)
set(runtime ${TMP}/runtime-${user})
set(session_folder "")
if(RUNTIME STREQUAL "1")
  file(MAKE_DIRECTORY ${runtime})
  file(CHMOD ${runtime} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
elseif(RUNTIME STREQUAL "session")
  set(runtime ${TMP}/session)
  file(MAKE_DIRECTORY ${runtime})
  file(CHMOD ${runtime} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  set(session_folder XDG_RUNTIME_DIR=${runtime})
endif()
set(categories LC_CTYPE LC_NUMERIC LC_TIME LC_COLLATE LC_MONETARY LC_MESSAGES LC_PAPER LC_NAME
  LC_ADDRESS LC_TELEPHONE LC_MEASUREMENT LC_IDENTIFICATION)
list(TRANSFORM categories PREPEND "-u" OUTPUT_VARIABLE unset)
execute_process(
  COMMAND env -u LANG -u LANGUAGE -u LC_ALL ${unset} -u XDG_RUNTIME_DIR
          -u DISPLAY -u WAYLAND_DISPLAY TMPDIR=${TMP}
          QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH=${PLUGINS} QT_QPA_GENERIC_PLUGINS=firstpaint
          LOCPATH=${LOCPATH} GCOV_ERROR_FILE=/dev/null
          ${session_folder} ${ENVIRONMENT} ${PROGRAM}
  TIMEOUT 60
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors)
# A UTF-8 locale as it is; any other with its characters alone from C.UTF-8.
set(locale ${LOCALE})
if(NOT LOCALE MATCHES "UTF-8$")
  list(TRANSFORM categories APPEND "=${LOCALE}")
  list(POP_FRONT categories)
  list(JOIN categories ";" others)
  set(locale "LC_CTYPE=C.UTF-8;${others}")
endif()
set(expected "0|first paint ${FUEL} ${APP_ID} ${runtime} ${locale}\n|")
if(FUEL STREQUAL "")
  set(expected "1||flightcalc: no display to open the window on (DISPLAY is not set)\n")
endif()
if(NOT "${result}|${output}|${errors}" STREQUAL expected)
  message(FATAL_ERROR "with '${ENVIRONMENT}' the program ended (${result}) with '${output}' "
    "and on standard error '${errors}', not: ${expected}")
endif()
